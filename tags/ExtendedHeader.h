// The optional extended header that follows the tag header. Versions 3 and 4
// lay it out differently (id3v2.3.0 §3.2, id3v2.4.0-structure §3.2); both
// are kept here in the version 4 terms.
#pragma once

#include <cstdint>
#include <vector>

namespace plk {

namespace ExtendedFlag {
constexpr std::uint8_t kUpdate = 0x40;        // version 4 only
constexpr std::uint8_t kCrc = 0x20;
constexpr std::uint8_t kRestrictions = 0x10;  // version 4 only
}  // namespace ExtendedFlag

struct ExtendedHeader {
    // Version 3: size (4, plain), flags (2), padding size (4); the CRC's four
    // bytes follow only when the header announces them.
    static constexpr std::uint32_t kVersion3Size = 10;
    static constexpr std::uint32_t kVersion3CrcSize = 4;
    // Version 4: a synchsafe size that counts itself, at least this much.
    static constexpr std::uint32_t kVersion4MinimumSize = 6;

    std::uint32_t size = 0;
    std::uint8_t flags = 0;
    std::uint32_t paddingSize = 0;
    std::uint32_t crc = 0;
    std::uint8_t restrictions = 0;
    bool unknownFlags = false;

    static ExtendedHeader parseVersion3(const std::uint8_t (&bytes)[kVersion3Size]);
    // The CRC is read only when the size says it is there: a size of 6 with
    // the CRC flag set is a writer's slip, not four more header bytes.
    bool version3CrcFollows() const { return (flags & ExtendedFlag::kCrc) != 0 && size == 10; }
    void setVersion3Crc(const std::uint8_t* bytes);

    // bytes: the whole extended header, its size field included. False when
    // it contradicts itself: no flag byte, or a CRC shorter than five bytes.
    // Flag data that the header's size leaves out reads as absent (CRC and
    // restrictions 0): the size alone says where the frames begin.
    static bool parseVersion4(const std::vector<std::uint8_t>& bytes, ExtendedHeader& header);
};

}  // namespace plk
