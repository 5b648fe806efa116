// Integers stored in a file's bytes, in either byte order: FLAC and MP4 are
// big-endian, Ogg, Vorbis comments and ASF little-endian.
#pragma once

#include <cstdint>

namespace plk {

inline std::uint64_t bigEndian(const std::uint8_t* bytes, int count) {
    std::uint64_t value = 0;
    for (int k = 0; k < count; ++k) value = (value << 8) | bytes[k];
    return value;
}

inline std::uint64_t littleEndian(const std::uint8_t* bytes, int count) {
    std::uint64_t value = 0;
    for (int k = count - 1; k >= 0; --k) value = (value << 8) | bytes[k];
    return value;
}

}  // namespace plk
