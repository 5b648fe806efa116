#include "tools/tagdump/TagDump.h"

#include <cstdio>

#include "tags/Id3v2Tag.h"
#include "tags/TagCodes.h"

namespace plk {

namespace {

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::string hexBytes(const std::string& text) {
    if (text.empty()) return "-";
    std::string digits;
    for (const char c : text) digits += hex(static_cast<unsigned char>(c), 2);
    return digits;
}

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

// A surrogate without its partner becomes U+FFFD.
std::string utf8FromUtf16(const std::u16string& text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        char32_t c = text[k];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && k + 1 < text.size() && text[k + 1] >= 0xDC00 && text[k + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++k] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

// One line whatever the text holds: the quote, the backslash and control
// characters (a terminating NUL or line break stays in a Latin-1 text) are
// escaped. The bytes of a UTF-8 sequence are all 0x80 or above.
std::string quoted(const std::string& utf8) {
    std::string escaped = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') escaped += '\\';
        if (static_cast<unsigned char>(c) < 0x20) escaped += "\\x" + hex(static_cast<unsigned>(c), 2);
        else escaped += c;
    }
    return escaped + '"';
}

}  // namespace

void dumpTag(std::ostream& out, const std::string& fileName, bool listFrames, const std::vector<std::string>& ids,
             bool wideText) {
    Tid3v2tag tag;
    // The bodies of the frames asked for; the others are only listed.
    const std::uint16_t code = tag.LoadFromFile(fileName, 0, FrameBodies::only(ids));
    out << "load 0x" << hex(code, 4) << '\n';
    if (listFrames) {
        const TFrameIndex& frames = tag.frameIndex();
        for (std::uint32_t n = 1; n <= frames.count(); ++n)
            out << "frame " << n << ' ' << frames.frameId(n) << ' ' << frames.bodySize(n) << " 0x"
                << hex(frames.formatFlags(n), 2) << '\n';
    }
    if (!isUsableLoad(code)) return;
    for (const std::string& id : ids) {
        if (wideText) {
            std::u16string text;
            const unsigned textCode = tag.GetWideTextFrame(id, text);
            out << id << ' ' << textCode << ' ' << quoted(utf8FromUtf16(text)) << '\n';
            continue;
        }
        std::string text;
        const unsigned textCode = tag.GetTextFrame(id, text);
        out << id << ' ' << textCode << ' ' << hexBytes(text) << '\n';
    }
}

}  // namespace plk
