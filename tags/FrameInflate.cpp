#include "tags/FrameInflate.h"

#include <algorithm>

#include "compression/BoundedInflate.h"

namespace plk {
namespace {

std::size_t roundUpTo256(std::size_t size) { return (size + 255) / 256 * 256; }

}  // namespace

std::uint32_t inflateLimit(std::uint32_t declaredLength) {
    return std::min(std::max(declaredLength, kInflateLimitUndeclared), kInflateLimitHard);
}

bool inflateFrame(const std::vector<std::uint8_t>& data, std::uint32_t declaredLength,
                  std::vector<std::uint8_t>& inflated) {
    const std::size_t limit = inflateLimit(declaredLength);
    // Start from the declared size when there is one, so an honest frame
    // inflates in one go, but not beyond what deflate can make of this much
    // input (about 1032 to 1): a small frame declaring megabytes gets no
    // megabytes up front. Grow geometrically from there.
    std::size_t capacity = roundUpTo256(std::max<std::size_t>(data.size(), 1));
    if (declaredLength > 0) {
        const std::uint64_t reachable = std::uint64_t{data.size()} * 1032 + 64;
        const std::uint64_t start = std::min<std::uint64_t>(declaredLength, reachable);
        capacity = std::max(capacity, roundUpTo256(static_cast<std::size_t>(std::min<std::uint64_t>(start, limit + 1))));
    }
    return inflateBounded(data.data(), data.size(), limit, capacity, inflated);
}

}  // namespace plk
