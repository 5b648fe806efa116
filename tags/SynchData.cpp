#include "tags/SynchData.h"

namespace plk {

std::uint32_t synchSafe(const std::uint8_t* bytes, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t k = 0; k < count; ++k) value = value * 128 + bytes[k];
    return value;
}

std::uint32_t bigEndian32(const std::uint8_t* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

void removeFrameUnsynchronisation(std::vector<std::uint8_t>& data) {
    const std::size_t size = data.size();
    std::size_t kept = 0;
    std::uint8_t before = 0x00;  // the stored byte before the one examined
    for (std::size_t k = 0; k < size; ++k) {
        const std::uint8_t byte = data[k];
        const bool last = k + 1 == size;
        const bool inserted = last ? (byte == 0x00 && before == 0xFF)
                                   : isInsertedZero(before, byte, data[k + 1]);
        before = byte;
        if (!inserted) data[kept++] = byte;
    }
    data.resize(kept);
}

}  // namespace plk
