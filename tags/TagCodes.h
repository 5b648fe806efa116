// The reader's outcome codes. A load code is 16 bits: a failure writes its
// number into the high byte, warnings are OR-ed into the low byte, so a
// caller can treat anything above 0x00FF as "no usable tag". A text code is
// the 8-bit result of asking for one text frame.
#pragma once

#include <cstdint>

namespace plk {

namespace LoadWarning {
constexpr std::uint16_t PaddingSizeDiffers = 0x0004;    // version 3 extended header vs padding found
constexpr std::uint16_t RevisionNotZero = 0x0010;       // accepted all the same
constexpr std::uint16_t UnknownExtendedFlags = 0x0040;
constexpr std::uint16_t UnknownHeaderFlags = 0x0080;
}  // namespace LoadWarning

namespace LoadFailure {
constexpr std::uint8_t FileNotFound = 0x01;      // also: cannot be opened
constexpr std::uint8_t ReadError = 0x03;         // the file ended before a read was satisfied
constexpr std::uint8_t InputOutputError = 0x05;  // the system reported a failed read or seek
constexpr std::uint8_t OffsetBeyondFile = 0x08;
constexpr std::uint8_t NoTagHeader = 0x10;
constexpr std::uint8_t UnsupportedVersion = 0x11;
constexpr std::uint8_t FileTooShort = 0x20;      // shorter than the size the header declares
constexpr std::uint8_t BadFrameId = 0x21;
constexpr std::uint8_t Corrupt = 0xFE;           // sizes contradict the tag
}  // namespace LoadFailure

// Replaces the failure byte and keeps the warnings.
constexpr std::uint16_t WithFailure(std::uint16_t code, std::uint8_t failure) {
    return static_cast<std::uint16_t>((failure << 8) | (code & 0x00FF));
}

constexpr bool IsUsableLoad(std::uint16_t code) { return code <= 0x00FF; }

namespace TextCode {
constexpr std::uint8_t Ok = 0;
constexpr std::uint8_t NoSuchFrame = 1;
constexpr std::uint8_t Empty = 2;            // no data, or nothing after the encoding byte
constexpr std::uint8_t NotServed = 3;        // not a four-character T frame, or TXXX
constexpr std::uint8_t BeyondLatin1 = 4;     // the text before that character is kept
constexpr std::uint8_t UnknownEncoding = 5;
constexpr std::uint8_t Invalid = 8;          // control character, missing byte order mark, cut UTF-8
constexpr std::uint8_t Encrypted = 9;
}  // namespace TextCode

}  // namespace plk
