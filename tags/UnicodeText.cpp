#include "tags/UnicodeText.h"

#include "tags/MetadataLimits.h"

namespace plk {
namespace {

const char16_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The length of the well-formed sequence at bytes (RFC 3629 §4), with its
// code point, or 0.
std::size_t utf8Sequence(const std::uint8_t* bytes, std::size_t size, char32_t& c) {
    const std::uint8_t lead = bytes[0];
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) return c = lead, 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, lowest = 0x80, c = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, lowest = 0x800, c = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, lowest = 0x10000, c = lead & 0x07;
    else return 0;
    if (length > size) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((bytes[k] & 0xC0) != 0x80) return 0;
        c = (c << 6) | (bytes[k] & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

void appendCodePoint(std::u16string& text, char32_t c) {
    if (c < 0x10000) {
        text += static_cast<char16_t>(c);
        return;
    }
    c -= 0x10000;
    text += static_cast<char16_t>(0xD800 + (c >> 10));
    text += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

std::u16string utf16FromUtf8(const std::uint8_t* bytes, std::size_t size) {
    std::u16string text;
    for (std::size_t at = 0; at < size && bytes[at] != 0;) {
        char32_t c = 0;
        const std::size_t length = utf8Sequence(bytes + at, size - at, c);
        appendCodePoint(text, length ? c : kReplacement);
        at += length ? length : 1;
    }
    return text;
}

std::u16string utf16FromUtf16(const std::uint8_t* bytes, std::size_t size, bool bigEndian) {
    std::u16string units;
    for (std::size_t at = 0; at + 1 < size; at += 2) {
        const char16_t unit = static_cast<char16_t>(bigEndian ? (bytes[at] << 8) | bytes[at + 1]
                                                              : (bytes[at + 1] << 8) | bytes[at]);
        if (unit == 0) break;
        units += unit;
    }
    std::u16string text;
    for (std::size_t k = 0; k < units.size(); ++k) {
        const char16_t unit = units[k];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && k + 1 < units.size() && units[k + 1] >= 0xDC00 && units[k + 1] <= 0xDFFF) {
            text += unit;
            text += units[++k];
        } else {
            text += unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit;
        }
    }
    return text;
}

std::string utf8FromUtf16(const std::u16string& text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        char32_t c = text[k];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++k] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        appendUtf8(out, c);
    }
    return out;
}

void appendValue(std::u16string& joined, const std::u16string& value) {
    if (value.empty()) return;
    if (!joined.empty()) joined += u" / ";
    joined += value;
    if (joined.size() > kMaxJoinedUnits) {
        joined.resize(kMaxJoinedUnits);
        // Not half a surrogate pair at the cut.
        if (joined.back() >= 0xD800 && joined.back() <= 0xDBFF) joined.pop_back();
    }
}

}  // namespace plk
