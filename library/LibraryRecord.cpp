#include "library/LibraryRecord.h"

#include <algorithm>
#include <cstring>

namespace plk {

std::int32_t TLibraryRecord::number() const {
    const std::uint32_t value = std::uint32_t(Number[0]) | std::uint32_t(Number[1]) << 8 |
                                std::uint32_t(Number[2]) << 16 | std::uint32_t(Number[3]) << 24;
    return static_cast<std::int32_t>(value);
}

void TLibraryRecord::setNumber(std::int32_t value) {
    const std::uint32_t bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) Number[i] = static_cast<unsigned char>(bits >> (8 * i));
}

std::string TLibraryRecord::path() const { return std::string(Path.chars, Path.length); }

void TLibraryRecord::setPath(const std::string& path) {
    const std::size_t length = std::min<std::size_t>(path.size(), kMaxPath);
    Path.length = static_cast<unsigned char>(length);
    std::memcpy(Path.chars, path.data(), length);
}

}  // namespace plk
