#include "tools/tagdump/TagDump.h"

#include <cstdio>

#include "tags/Id3v2Tag.h"
#include "tags/SongTags.h"
#include "tags/TagCodes.h"
#include "tags/UnicodeText.h"

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

// One line whatever the text holds: control characters (a terminating NUL
// or line break stays in a Latin-1 text) are escaped, and in a quoted text
// also the quote and the backslash. The bytes of a UTF-8 sequence are all
// 0x80 or above.
std::string oneLine(const std::string& utf8, bool quotes) {
    std::string escaped;
    for (const char c : utf8) {
        if (quotes && (c == '"' || c == '\\')) escaped += '\\';
        if (static_cast<unsigned char>(c) < 0x20) escaped += "\\x" + hex(static_cast<unsigned>(c), 2);
        else escaped += c;
    }
    return escaped;
}

std::string quoted(const std::string& utf8) { return '"' + oneLine(utf8, true) + '"'; }

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

void dumpSongTags(std::ostream& out, const std::string& fileName) {
    const SongTags tags = readSongTags(fileName);
    out << "format: " << formatName(tags.format) << '\n'
        << "title: " << oneLine(utf8FromUtf16(tags.title), false) << '\n'
        << "artist: " << oneLine(utf8FromUtf16(tags.artist), false) << '\n';
}

}  // namespace plk
