// Decoding the text of a text frame (id3v2.3.0 §4.2, id3v2.4.0-frames §4.2),
// into 8-bit characters U+0000 to U+00FF or into UTF-16. The encodings are
// those of id3v2.4.0-structure §4 (version 3 has only 0 and 1: id3v2.3.0 §3.3).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace plk {

namespace TextEncoding {
constexpr std::uint8_t kLatin1 = 0;
constexpr std::uint8_t kUtf16 = 1;             // with a byte order mark
constexpr std::uint8_t kUtf16BigEndian = 2;
constexpr std::uint8_t kUtf8 = 3;
constexpr std::uint8_t kUtf16LittleEndian = 9;  // in neither document; written by some taggers, no mark
}  // namespace TextEncoding

// Decodes the bytes after a frame's encoding byte into text and returns a
// TextCode. Text ends at a terminating NUL (kept as its last character in the
// 8-bit encodings, dropped in UTF-16), a character beyond U+00FF (code 4, the
// text before it kept) or the end of the data; a control character empties it
// (code 8), except a line break that ends a Latin-1 text.
std::uint8_t DecodeText(const std::uint8_t* bytes, std::size_t size, std::uint8_t encoding, std::string& text);

// The same decoding into UTF-16 code units, where a character beyond U+00FF
// is kept (outside the Basic Multilingual Plane as a surrogate pair) and the
// decoding goes on. A UTF-16 surrogate without its partner, or a malformed
// UTF-8 sequence of lead byte 0xC4 or above (cut off, a missing continuation
// byte, overlong, a surrogate, beyond U+10FFFF), ends the text with code 8,
// the text before it kept, as a cut-off two-byte sequence does. Whatever
// DecodeText decodes whole, this decodes to the same characters and code.
std::uint8_t decodeWideText(const std::uint8_t* bytes, std::size_t size, std::uint8_t encoding, std::u16string& text);

}  // namespace plk
