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

}  // namespace

void dumpTag(std::ostream& out, const std::string& fileName, bool listFrames, const std::vector<std::string>& ids) {
    Tid3v2tag tag;
    const std::uint16_t code = tag.LoadFromFile(fileName, 0);
    out << "load 0x" << hex(code, 4) << '\n';
    if (listFrames) {
        const TFrameIndex& frames = tag.frameIndex();
        for (std::uint32_t n = 1; n <= frames.count(); ++n)
            out << "frame " << n << ' ' << frames.frameId(n) << ' ' << frames.dataSize(n) << " 0x"
                << hex(frames.formatFlags(n), 2) << '\n';
    }
    if (!isUsableLoad(code)) return;
    for (const std::string& id : ids) {
        std::string text;
        const unsigned textCode = tag.GetTextFrame(id, text);
        out << id << ' ' << textCode << ' ' << hexBytes(text) << '\n';
    }
}

}  // namespace plk
