// The 10-byte tag header (id3v2.3.0 §3.1, id3v2.4.0-structure §3.1): "ID3",
// major version, revision, flags and the synchsafe size of everything after
// the header (a footer excluded).
#pragma once

#include <cstdint>

namespace plk {

namespace HeaderFlag {
constexpr std::uint8_t kUnsynchronisation = 0x80;
constexpr std::uint8_t kExtendedHeader = 0x40;
constexpr std::uint8_t kExperimental = 0x20;
constexpr std::uint8_t kFooter = 0x10;  // version 4 only (id3v2.4.0-structure §3.4)
}  // namespace HeaderFlag

struct TagHeader {
    static constexpr std::uint32_t kSize = 10;

    std::uint8_t majorVersion = 0;
    std::uint8_t revision = 0;
    std::uint8_t flags = 0;
    std::uint32_t tagSize = 0;

    // False unless the bytes start with "ID3", neither version byte is 0xFF
    // and every size byte is below 0x80. The flag byte is not judged here:
    // what it may hold depends on the version.
    static bool parse(const std::uint8_t (&bytes)[kSize], TagHeader& header);

    // The flags the version defines, and whether others are set.
    std::uint8_t definedFlags() const;
    bool hasUnknownFlags() const { return (flags & ~definedFlags()) != 0; }
};

}  // namespace plk
