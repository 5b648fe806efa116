#include "tools/tagdump/TagDump.h"

#include <cstdio>

#include "tags/Id3v2Tag.h"
#include "tags/TagCodes.h"

namespace plk {

namespace {

std::string Hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

std::string HexBytes(const std::string& text) {
    if (text.empty()) return "-";
    std::string hex;
    for (const char c : text) hex += Hex(static_cast<unsigned char>(c), 2);
    return hex;
}

}  // namespace

void DumpTag(std::ostream& out, const std::string& fileName, bool listFrames, const std::vector<std::string>& ids) {
    Tid3v2tag tag;
    const std::uint16_t code = tag.LoadFromFile(fileName, 0);
    out << "load 0x" << Hex(code, 4) << '\n';
    if (listFrames) {
        const TFrameIndex& frames = tag.FrameIndex();
        for (std::uint32_t n = 1; n <= frames.Count(); ++n)
            out << "frame " << n << ' ' << frames.FrameId(n) << ' ' << frames.DataSize(n) << " 0x"
                << Hex(frames.FormatFlags(n), 2) << '\n';
    }
    if (!IsUsableLoad(code)) return;
    for (const std::string& id : ids) {
        std::string text;
        const unsigned textCode = tag.GetTextFrame(id, text);
        out << id << ' ' << textCode << ' ' << HexBytes(text) << '\n';
    }
}

}  // namespace plk
