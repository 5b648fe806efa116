// Synchsafe numbers and unsynchronisation, the two ways ID3v2 keeps a tag
// from looking like an MPEG frame sync (0xFF followed by 0xE0 or more).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plk {

// Seven bits per byte, most significant first: b0 x 2^21 + b1 x 2^14 + ...
// (id3v2.4.0-structure §6.2).
// The bytes are not masked, so a writer that stored a small size as a plain
// number (some did, in version 4 frame headers) still reads right. Kept to 32
// bits, which matters only for the five-byte CRC.
std::uint32_t synchSafe(const std::uint8_t* bytes, std::size_t count);

// Plain big-endian 32-bit number.
std::uint32_t bigEndian32(const std::uint8_t* bytes);

// The unsynchronisation rule (id3v2.3.0 §5, id3v2.4.0-structure §6.1): a
// 0x00 is an inserted byte when the byte before
// it in the stored data was 0xFF and the byte after it is 0x00 or 0xE0 and
// above. A 0x00 after 0xFF followed by anything else is real data and stays.
inline bool isInsertedZero(std::uint8_t before, std::uint8_t byte, std::uint8_t after) {
    return byte == 0x00 && before == 0xFF && (after == 0x00 || after >= 0xE0);
}

// Undoes a version 4 frame's own unsynchronisation, in place. A 0xFF 0x00 at
// the very end loses its 0x00 too: a writer must insert one there, since the
// next frame may begin with any byte.
void removeFrameUnsynchronisation(std::vector<std::uint8_t>& data);

}  // namespace plk
