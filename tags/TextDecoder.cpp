#include "tags/TextDecoder.h"

#include <type_traits>

#include "tags/TagCodes.h"
#include "tags/UnicodeText.h"

namespace plk {

namespace {

// One decoding loop per encoding serves both kinds of text: 8-bit text ends
// at the first character beyond U+00FF, UTF-16 text keeps it.
template <class Text>
constexpr bool kKeepsBeyondLatin1 = std::is_same_v<Text, std::u16string>;

void append(std::string& text, char32_t c) { text += static_cast<char>(c); }

void append(std::u16string& text, char32_t c) { appendCodePoint(text, c); }

bool isControl(unsigned c) { return c >= 0x01 && c <= 0x1F; }

bool isLineBreak(unsigned c) { return c == 0x0A || c == 0x0D; }

bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }

bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// A Latin-1 text may end in a line break, which stays; any other control
// character (in UTF-8 a line break too) means the text is not text.
template <class Text>
std::uint8_t endsWith(unsigned last, bool lineBreakAllowed, Text& text) {
    if (isControl(last) && !(lineBreakAllowed && isLineBreak(last))) {
        text.clear();
        return TextCode::kInvalid;
    }
    return TextCode::kOk;
}

template <class Text>
std::uint8_t decodeLatin1(const std::uint8_t* bytes, std::size_t size, Text& text) {
    for (std::size_t k = 0; k < size; ++k) {
        const std::uint8_t c = bytes[k];
        append(text, c);
        if (c < 0x20) return endsWith(c, true, text);
    }
    return TextCode::kOk;
}

class Utf16Units {
public:
    Utf16Units(const std::uint8_t* bytes, std::size_t size, bool bigEndian)
        : bytes_(bytes), size_(size), bigEndian_(bigEndian) {}

    // A trailing odd byte is no unit.
    bool has(std::size_t k) const { return k + 1 < size_; }
    char32_t at(std::size_t k) const {
        const unsigned first = bytes_[k], second = bytes_[k + 1];
        return bigEndian_ ? (first << 8) | second : (second << 8) | first;
    }

private:
    const std::uint8_t* bytes_;
    std::size_t size_;
    bool bigEndian_;
};

// The character of the unit beyond U+00FF at k, k advanced past the low
// surrogate that completes a high one; 0 for a surrogate without its partner.
char32_t utf16BeyondLatin1(const Utf16Units& units, std::size_t& k) {
    const char32_t unit = units.at(k);
    if (isLowSurrogate(unit)) return 0;
    if (!isHighSurrogate(unit)) return unit;
    if (!units.has(k + 2) || !isLowSurrogate(units.at(k + 2))) return 0;
    const char32_t low = units.at(k + 2);
    k += 2;
    return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
}

template <class Text>
std::uint8_t decodeUtf16(const std::uint8_t* bytes, std::size_t size, bool bigEndian, Text& text) {
    const Utf16Units units(bytes, size, bigEndian);
    for (std::size_t k = 0; units.has(k); k += 2) {
        char32_t c = units.at(k);
        if (c > 0xFF) {
            if constexpr (!kKeepsBeyondLatin1<Text>) return TextCode::kBeyondLatin1;
            c = utf16BeyondLatin1(units, k);
            if (c == 0) return TextCode::kInvalid;  // the text so far stays
        } else if (c == 0) {
            break;
        } else if (c < 0x20) {
            text.clear();
            return TextCode::kInvalid;
        }
        append(text, c);
    }
    return TextCode::kOk;
}

template <class Text>
std::uint8_t decodeUtf16WithMark(const std::uint8_t* bytes, std::size_t size, Text& text) {
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return decodeUtf16(bytes + 2, size - 2, false, text);
    if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return decodeUtf16(bytes + 2, size - 2, true, text);
    return TextCode::kInvalid;
}

// The character of a UTF-8 sequence whose lead byte, 0xC4 or above, was the
// byte before k; k advanced past its continuation bytes. 0 when the sequence
// is cut off or malformed (RFC 3629 §4: no overlong forms, no surrogates,
// nothing beyond U+10FFFF).
char32_t utf8BeyondLatin1(std::uint8_t lead, const std::uint8_t* bytes, std::size_t size, std::size_t& k) {
    std::size_t continuations;
    char32_t c, least;
    if (lead < 0xE0) {
        continuations = 1, c = lead & 0x1Fu, least = 0x100;
    } else if (lead < 0xF0) {
        continuations = 2, c = lead & 0x0Fu, least = 0x800;
    } else if (lead < 0xF5) {
        continuations = 3, c = lead & 0x07u, least = 0x10000;
    } else {
        return 0;
    }
    if (size - k < continuations) return 0;
    for (std::size_t n = 0; n < continuations; ++n) {
        const std::uint8_t next = bytes[k + n];
        if ((next & 0xC0) != 0x80) return 0;
        c = (c << 6) | (next & 0x3Fu);
    }
    if (c < least || c > 0x10FFFF || isHighSurrogate(c) || isLowSurrogate(c)) return 0;
    k += continuations;
    return c;
}

// What maps to Latin-1 is decoded as it always was: one-byte characters,
// lead bytes 0xC0-0xC3 with whatever byte follows as their partner, and
// stray continuation bytes as their six payload bits.
template <class Text>
std::uint8_t decodeUtf8(const std::uint8_t* bytes, std::size_t size, Text& text) {
    std::size_t k = 0;
    while (k < size) {
        const std::uint8_t lead = bytes[k++];
        char32_t c;
        if (lead < 0x80) {
            c = lead;
        } else if (lead < 0xC0) {
            c = lead & 0x3Fu;
        } else if (lead < 0xC4) {
            if (k == size) return TextCode::kInvalid;  // cut off: the text so far stays
            c = ((lead & 0x03u) << 6) | (bytes[k++] & 0x3Fu);
        } else {
            if constexpr (!kKeepsBeyondLatin1<Text>) return TextCode::kBeyondLatin1;
            c = utf8BeyondLatin1(lead, bytes, size, k);
            if (c == 0) return TextCode::kInvalid;  // the text so far stays
        }
        append(text, c);
        if (c < 0x20) return endsWith(c, false, text);
    }
    return TextCode::kOk;
}

template <class Text>
std::uint8_t decode(const std::uint8_t* bytes, std::size_t size, std::uint8_t encoding, Text& text) {
    text.clear();
    switch (encoding) {
    case TextEncoding::kLatin1:
    case TextEncoding::kUtf16:
    case TextEncoding::kUtf16BigEndian:
    case TextEncoding::kUtf8:
    case TextEncoding::kUtf16LittleEndian:
        break;
    default:
        return TextCode::kUnknownEncoding;
    }
    if (size == 0) return TextCode::kEmpty;
    switch (encoding) {
    case TextEncoding::kLatin1: return decodeLatin1(bytes, size, text);
    case TextEncoding::kUtf16: return decodeUtf16WithMark(bytes, size, text);
    case TextEncoding::kUtf16BigEndian: return decodeUtf16(bytes, size, true, text);
    case TextEncoding::kUtf16LittleEndian: return decodeUtf16(bytes, size, false, text);
    default: return decodeUtf8(bytes, size, text);
    }
}

}  // namespace

std::uint8_t DecodeText(const std::uint8_t* bytes, std::size_t size, std::uint8_t encoding, std::string& text) {
    return decode(bytes, size, encoding, text);
}

std::uint8_t decodeWideText(const std::uint8_t* bytes, std::size_t size, std::uint8_t encoding, std::u16string& text) {
    return decode(bytes, size, encoding, text);
}

}  // namespace plk
