// Inflating a compressed frame body (a zlib stream: id3v2.3.0 §3.3.1,
// id3v2.4.0-structure §4.1.2), with a bound on what it may grow to: a few
// kilobytes of deflate data can expand to gigabytes, which would exhaust a
// 32-bit process or keep it busy for minutes.
#pragma once

#include <cstdint>
#include <vector>

namespace plk {

// Text frames are a few hundred bytes; a megabyte is far beyond any title,
// artist or comment a user could want shown.
constexpr std::uint32_t kInflateLimitUndeclared = 1u << 20;
// A frame that declares its inflated size may have up to that much, so that a
// honestly declared large frame (a picture) still inflates, but never more
// than this: 1/128 of a 32-bit address space, inflated in well under 0.1 s.
constexpr std::uint32_t kInflateLimitHard = 16u << 20;

// The bound for a frame declaring declaredLength (0: nothing declared).
std::uint32_t inflateLimit(std::uint32_t declaredLength);

// Inflates the whole of data into inflated. False (inflated untouched) on a
// zlib error, a stream that does not end within data, or output beyond
// inflateLimit(declaredLength).
bool inflateFrame(const std::vector<std::uint8_t>& data, std::uint32_t declaredLength,
                  std::vector<std::uint8_t>& inflated);

}  // namespace plk
