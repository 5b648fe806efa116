// The reader's outcome codes. A load code is 16 bits: a failure writes its
// number into the high byte, warnings are OR-ed into the low byte, so a
// caller can treat anything above 0x00FF as "no usable tag". A text code is
// the 8-bit result of asking for one text frame; a frame step is the result
// of undoing one frame's unsynchronisation or compression.
#pragma once

#include <cstdint>

namespace plk {

namespace LoadWarning {
constexpr std::uint16_t kPaddingSizeDiffers = 0x0004;    // version 3 extended header vs padding found
constexpr std::uint16_t kRevisionNotZero = 0x0010;       // accepted all the same
constexpr std::uint16_t kUnknownExtendedFlags = 0x0040;
constexpr std::uint16_t kUnknownHeaderFlags = 0x0080;
}  // namespace LoadWarning

namespace LoadFailure {
constexpr std::uint8_t kFileNotFound = 0x01;      // also: cannot be opened
constexpr std::uint8_t kReadError = 0x03;         // the file ended before a read was satisfied
constexpr std::uint8_t kInputOutputError = 0x05;  // the system reported a failed read or seek
constexpr std::uint8_t kOffsetBeyondFile = 0x08;
constexpr std::uint8_t kNoTagHeader = 0x10;
constexpr std::uint8_t kUnsupportedVersion = 0x11;
constexpr std::uint8_t kFileTooShort = 0x20;      // shorter than the size the header declares
constexpr std::uint8_t kBadFrameId = 0x21;
constexpr std::uint8_t kCorrupt = 0xFE;           // sizes contradict the tag
}  // namespace LoadFailure

// Replaces the failure byte and keeps the warnings.
constexpr std::uint16_t withFailure(std::uint16_t code, std::uint8_t failure) {
    return static_cast<std::uint16_t>((failure << 8) | (code & 0x00FF));
}

constexpr bool isUsableLoad(std::uint16_t code) { return code <= 0x00FF; }

namespace TextCode {
constexpr std::uint8_t kOk = 0;
constexpr std::uint8_t kNoSuchFrame = 1;
constexpr std::uint8_t kEmpty = 2;            // no data, or nothing after the encoding byte
constexpr std::uint8_t kNotServed = 3;        // not a four-character T frame, or TXXX
constexpr std::uint8_t kBeyondLatin1 = 4;     // the text before that character is kept
constexpr std::uint8_t kUnknownEncoding = 5;
constexpr std::uint8_t kInvalid = 8;          // control character, missing byte order mark, cut UTF-8
constexpr std::uint8_t kEncrypted = 9;
}  // namespace TextCode

// Results of TFrameIndex::RemoveUnsynchronisation and Decompress.
namespace FrameStep {
constexpr int kDone = 0;
constexpr int kNotMarked = -1;            // the current flags do not ask for it (or it is done)
constexpr int kLengthDiffers = -2;        // inflated, but not to the declared length; used all the same
constexpr int kEncrypted = 1;             // cannot inflate what is still encrypted
constexpr int kStillUnsynchronised = 2;   // unsynchronisation must be undone first
constexpr int kFailed = 4;                // out of memory, or zlib refused the data (frame unchanged)
}  // namespace FrameStep

}  // namespace plk
