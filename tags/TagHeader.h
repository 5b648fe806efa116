// The 10-byte tag header: "ID3", major version, revision, flags and the
// synchsafe size of everything after the header (a footer excluded).
#pragma once

#include <cstdint>

namespace plk {

namespace HeaderFlag {
constexpr std::uint8_t Unsynchronisation = 0x80;
constexpr std::uint8_t ExtendedHeader = 0x40;
constexpr std::uint8_t Experimental = 0x20;
constexpr std::uint8_t Footer = 0x10;  // version 4 only
}  // namespace HeaderFlag

struct TagHeader {
    static constexpr std::uint32_t Size = 10;

    std::uint8_t majorVersion = 0;
    std::uint8_t revision = 0;
    std::uint8_t flags = 0;
    std::uint32_t tagSize = 0;

    // False unless the bytes start with "ID3", neither version byte is 0xFF
    // and every size byte is below 0x80. The flag byte is not judged here:
    // what it may hold depends on the version.
    static bool Parse(const std::uint8_t (&bytes)[Size], TagHeader& header);

    // The flags the version defines, and whether others are set.
    std::uint8_t DefinedFlags() const;
    bool HasUnknownFlags() const { return (flags & ~DefinedFlags()) != 0; }
};

}  // namespace plk
