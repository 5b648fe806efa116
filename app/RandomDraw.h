// The random choice of a library record. The generator is a linear
// congruential one, reseeded from the clock before every draw; given the
// seed it is a pure function, so tests can drive it.
#pragma once

#include <cstdint>

namespace plk {

// seed × 134775813 + 1, modulo 2^32.
std::uint32_t nextSeed(std::uint32_t seed);

// Advances seed and returns an index in 0 .. count − 1: the upper 32 bits of
// the 64-bit product of the new seed and count. count must not be 0.
std::uint32_t drawIndex(std::uint32_t& seed, std::uint32_t count);

}  // namespace plk
