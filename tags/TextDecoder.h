// Decoding the text of a text frame into 8-bit characters U+0000 to U+00FF,
// which is all the program's labels can show.
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
constexpr std::uint8_t kUtf16LittleEndian = 9;  // written by some taggers, no mark
}  // namespace TextEncoding

// Decodes the bytes after a frame's encoding byte into text and returns a
// TextCode. Text ends at a terminating NUL (kept as its last character in the
// 8-bit encodings, dropped in UTF-16), a character beyond U+00FF (code 4, the
// text before it kept) or the end of the data; a control character empties it
// (code 8), except a line break that ends a Latin-1 text.
std::uint8_t DecodeText(const std::uint8_t* bytes, std::size_t size, std::uint8_t encoding, std::string& text);

}  // namespace plk
