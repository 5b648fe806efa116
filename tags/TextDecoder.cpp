#include "tags/TextDecoder.h"

#include "tags/TagCodes.h"

namespace plk {

namespace {

bool isControl(unsigned c) { return c >= 0x01 && c <= 0x1F; }

bool isLineBreak(unsigned c) { return c == 0x0A || c == 0x0D; }

// A Latin-1 text may end in a line break, which stays; any other control
// character (in UTF-8 a line break too) means the text is not text.
std::uint8_t endsWith(unsigned last, bool lineBreakAllowed, std::string& text) {
    if (isControl(last) && !(lineBreakAllowed && isLineBreak(last))) {
        text.clear();
        return TextCode::kInvalid;
    }
    return TextCode::kOk;
}

std::uint8_t decodeLatin1(const std::uint8_t* bytes, std::size_t size, std::string& text) {
    for (std::size_t k = 0; k < size; ++k) {
        const std::uint8_t c = bytes[k];
        text += static_cast<char>(c);
        if (c < 0x20) return endsWith(c, true, text);
    }
    return TextCode::kOk;
}

std::uint8_t decodeUtf16(const std::uint8_t* bytes, std::size_t size, bool bigEndian, std::string& text) {
    for (std::size_t k = 0; k + 1 < size; k += 2) {
        const std::uint8_t high = bigEndian ? bytes[k] : bytes[k + 1];
        const std::uint8_t low = bigEndian ? bytes[k + 1] : bytes[k];
        if (high != 0) return TextCode::kBeyondLatin1;
        if (low == 0) break;
        if (low < 0x20) {
            text.clear();
            return TextCode::kInvalid;
        }
        text += static_cast<char>(low);
    }
    return TextCode::kOk;
}

std::uint8_t decodeUtf16WithMark(const std::uint8_t* bytes, std::size_t size, std::string& text) {
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return decodeUtf16(bytes + 2, size - 2, false, text);
    if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return decodeUtf16(bytes + 2, size - 2, true, text);
    return TextCode::kInvalid;
}

// Only what maps to Latin-1 is decoded: one-byte characters, lead bytes
// 0xC0-0xC3 with their partner, and stray continuation bytes as their six
// payload bits.
std::uint8_t decodeUtf8(const std::uint8_t* bytes, std::size_t size, std::string& text) {
    std::size_t k = 0;
    while (k < size) {
        const std::uint8_t lead = bytes[k++];
        unsigned c;
        if (lead < 0x80) {
            c = lead;
        } else if (lead < 0xC0) {
            c = lead & 0x3F;
        } else if (lead < 0xC4) {
            if (k == size) return TextCode::kInvalid;  // cut off: the text so far stays
            c = ((lead & 0x03u) << 6) | (bytes[k++] & 0x3Fu);
        } else {
            return TextCode::kBeyondLatin1;
        }
        text += static_cast<char>(c);
        if (c < 0x20) return endsWith(c, false, text);
    }
    return TextCode::kOk;
}

}  // namespace

std::uint8_t DecodeText(const std::uint8_t* bytes, std::size_t size, std::uint8_t encoding, std::string& text) {
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

}  // namespace plk
