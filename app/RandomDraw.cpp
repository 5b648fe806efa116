#include "app/RandomDraw.h"

namespace plk {

std::uint32_t nextSeed(std::uint32_t seed) { return seed * 134775813u + 1u; }

std::uint32_t drawIndex(std::uint32_t& seed, std::uint32_t count) {
    seed = nextSeed(seed);
    return static_cast<std::uint32_t>((std::uint64_t(seed) * count) >> 32);
}

}  // namespace plk
