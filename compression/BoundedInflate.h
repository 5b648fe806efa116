// Inflating a whole zlib stream (RFC 1950) with a bound on what it may grow
// to: a few kilobytes of deflate data can expand to gigabytes, which would
// exhaust a 32-bit process or keep it busy for minutes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plk {

// Inflates the size bytes at data into inflated, starting with room for
// startCapacity bytes and growing geometrically. False (inflated untouched)
// on a zlib error, a stream that does not end within the input, or output
// beyond limit.
bool inflateBounded(const std::uint8_t* data, std::size_t size, std::size_t limit, std::size_t startCapacity,
                    std::vector<std::uint8_t>& inflated);

}  // namespace plk
