#include "tags/TextDecoder.h"

#include "tags/TagCodes.h"

namespace plk {

namespace {

bool IsControl(unsigned c) { return c >= 0x01 && c <= 0x1F; }

bool IsLineBreak(unsigned c) { return c == 0x0A || c == 0x0D; }

// A Latin-1 text may end in a line break, which stays; any other control
// character (in UTF-8 a line break too) means the text is not text.
std::uint8_t EndsWith(unsigned last, bool lineBreakAllowed, std::string& text) {
    if (IsControl(last) && !(lineBreakAllowed && IsLineBreak(last))) {
        text.clear();
        return TextCode::Invalid;
    }
    return TextCode::Ok;
}

std::uint8_t DecodeLatin1(const std::uint8_t* bytes, std::size_t size, std::string& text) {
    for (std::size_t k = 0; k < size; ++k) {
        const std::uint8_t c = bytes[k];
        text += static_cast<char>(c);
        if (c < 0x20) return EndsWith(c, true, text);
    }
    return TextCode::Ok;
}

std::uint8_t DecodeUtf16(const std::uint8_t* bytes, std::size_t size, bool bigEndian, std::string& text) {
    for (std::size_t k = 0; k + 1 < size; k += 2) {
        const std::uint8_t high = bigEndian ? bytes[k] : bytes[k + 1];
        const std::uint8_t low = bigEndian ? bytes[k + 1] : bytes[k];
        if (high != 0) return TextCode::BeyondLatin1;
        if (low == 0) break;
        if (low < 0x20) {
            text.clear();
            return TextCode::Invalid;
        }
        text += static_cast<char>(low);
    }
    return TextCode::Ok;
}

std::uint8_t DecodeUtf16WithMark(const std::uint8_t* bytes, std::size_t size, std::string& text) {
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return DecodeUtf16(bytes + 2, size - 2, false, text);
    if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return DecodeUtf16(bytes + 2, size - 2, true, text);
    return TextCode::Invalid;
}

// Only what maps to Latin-1 is decoded: one-byte characters, lead bytes
// 0xC0-0xC3 with their partner, and stray continuation bytes as their six
// payload bits.
std::uint8_t DecodeUtf8(const std::uint8_t* bytes, std::size_t size, std::string& text) {
    std::size_t k = 0;
    while (k < size) {
        const std::uint8_t lead = bytes[k++];
        unsigned c;
        if (lead < 0x80) {
            c = lead;
        } else if (lead < 0xC0) {
            c = lead & 0x3F;
        } else if (lead < 0xC4) {
            if (k == size) return TextCode::Invalid;  // cut off: the text so far stays
            c = ((lead & 0x03u) << 6) | (bytes[k++] & 0x3Fu);
        } else {
            return TextCode::BeyondLatin1;
        }
        text += static_cast<char>(c);
        if (c < 0x20) return EndsWith(c, false, text);
    }
    return TextCode::Ok;
}

}  // namespace

std::uint8_t DecodeText(const std::uint8_t* bytes, std::size_t size, std::uint8_t encoding, std::string& text) {
    text.clear();
    switch (encoding) {
    case TextEncoding::Latin1:
    case TextEncoding::Utf16:
    case TextEncoding::Utf16BigEndian:
    case TextEncoding::Utf8:
    case TextEncoding::Utf16LittleEndian:
        break;
    default:
        return TextCode::UnknownEncoding;
    }
    if (size == 0) return TextCode::Empty;
    switch (encoding) {
    case TextEncoding::Latin1: return DecodeLatin1(bytes, size, text);
    case TextEncoding::Utf16: return DecodeUtf16WithMark(bytes, size, text);
    case TextEncoding::Utf16BigEndian: return DecodeUtf16(bytes, size, true, text);
    case TextEncoding::Utf16LittleEndian: return DecodeUtf16(bytes, size, false, text);
    default: return DecodeUtf8(bytes, size, text);
    }
}

}  // namespace plk
