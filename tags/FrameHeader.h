// The 10-byte frame header and the extra bytes its format flags announce
// (id3v2.3.0 §3.3 and §3.3.1, id3v2.4.0-structure §4 and §4.1). Version 3
// flags are translated to the version 4 layout when parsed, so the rest of
// the reader knows one set of flags only.
#pragma once

#include <cstdint>
#include <string>

namespace plk {

namespace StatusFlag {
constexpr std::uint8_t kTagAlterPreservation = 0x40;
constexpr std::uint8_t kFileAlterPreservation = 0x20;
constexpr std::uint8_t kReadOnly = 0x10;
}  // namespace StatusFlag

namespace FormatFlag {
constexpr std::uint8_t kGrouping = 0x40;
constexpr std::uint8_t kCompression = 0x08;
constexpr std::uint8_t kEncryption = 0x04;
constexpr std::uint8_t kUnsynchronisation = 0x02;
constexpr std::uint8_t kDataLengthIndicator = 0x01;
}  // namespace FormatFlag

// What the extra bytes between header and body say.
struct FrameExtras {
    std::uint32_t dataLength = 0;
    std::uint8_t encryptionMethod = 0;
    std::uint8_t groupIdentifier = 0;
};

struct FrameHeader {
    static constexpr std::uint32_t kSize = 10;

    std::string id;                  // the four bytes as stored
    std::uint32_t frameSize = 0;     // extra bytes and body, not these 10
    std::uint8_t statusFlags = 0;    // version 4 layout
    std::uint8_t formatFlags = 0;    // version 4 layout

    static FrameHeader parse(const std::uint8_t (&bytes)[kSize], std::uint8_t majorVersion);

    // Bytes between the header and the body, and what they hold. Version 3
    // stores them as compression's data length, encryption method, group;
    // version 4 as group, encryption method, data length indicator.
    std::uint32_t extraByteCount() const;
    FrameExtras parseExtras(const std::uint8_t* bytes, std::uint8_t majorVersion) const;
};

}  // namespace plk
