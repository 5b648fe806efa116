// The Unicode texts the FLAC, Ogg, MP4 and ASF metadata hold (UTF-8, and
// UTF-16 in either byte order) as the UTF-16 the popup draws, and back to
// UTF-8 for the tools. A text ends at its first NUL: ASF and some MP4 writers
// store one, and nothing after it is shown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace plk {

// RFC 3629 UTF-8. A byte that begins no well-formed sequence (a stray
// continuation byte, an overlong form, a surrogate, beyond U+10FFFF, a
// sequence cut off) becomes U+FFFD, and the decoding goes on after it.
std::u16string utf16FromUtf8(const std::uint8_t* bytes, std::size_t size);

// UTF-16 units, big- or little-endian; an odd last byte is dropped and a
// surrogate without its partner becomes U+FFFD.
std::u16string utf16FromUtf16(const std::uint8_t* bytes, std::size_t size, bool bigEndian);

// Appends one code point, beyond U+FFFF as a surrogate pair.
void appendCodePoint(std::u16string& text, char32_t c);

// A surrogate without its partner becomes U+FFFD.
std::string utf8FromUtf16(const std::u16string& text);

// Adds one more value of a field: several are joined with " / ", an empty
// one adds nothing, and the whole stays within kMaxJoinedUnits.
void appendValue(std::u16string& joined, const std::u16string& value);

}  // namespace plk
