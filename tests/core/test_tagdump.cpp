// The tag dump's output, which other tooling parses.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/core/TagTesting.h"
#include "tools/tagdump/TagDump.h"

namespace plk::test {
namespace {

std::string dump(const Bytes& file, bool frames, const std::vector<std::string>& ids, bool wide = false) {
    TempFile temp(file);
    std::ostringstream out;
    dumpTag(out, temp.path(), frames, ids, wide);
    return out.str();
}

TEST(TagDump, PrintsLoadFramesAndTexts) {
    const Bytes file = TagBuilder(4)
                           .text("TIT2", "Hi")
                           .frame("TPE1", textBody(0, ""))
                           .frame("TALB", {0, 0xFF, 0x00, 0xE0}, 0, 0x02)
                           .padding(5)
                           .build();
    EXPECT_EQ(dump(file, true, {"TPE1", "TIT2", "TALB", "TXXX"}),
              "load 0x0000\n"
              "frame 1 TIT2 3 0x00\n"
              "frame 2 TPE1 1 0x00\n"
              "frame 3 TALB 4 0x02\n"
              "TPE1 2 -\n"
              "TIT2 0 4869\n"
              "TALB 0 FFE0\n"
              "TXXX 3 -\n");
}

TEST(TagDump, WidePrintsTheTextsAsQuotedUtf8) {
    const Bytes file = TagBuilder(4)
                           .frame("TIT2", textBody(3, u8"Дыхание \"live\""))
                           .frame("TPE1", textBody(1, Bytes{0xFF, 0xFE, 'x', 0, 0x3C, 0xD8, 0xB5, 0xDF}))
                           .text("TALB", "A\\B\n")
                           .frame("TCOM", textBody(2, Bytes{0, 'o', 0x04, 0x2F, 0xD8, 0x00}))
                           .build();
    EXPECT_EQ(dump(file, false, {"TIT2", "TPE1", "TALB", "TCOM", "TCON"}, true),
              "load 0x0000\n"
              "TIT2 0 \"" u8"Дыхание \\\"live\\\"" "\"\n"
              "TPE1 0 \"x\xF0\x9F\x8E\xB5\"\n"
              "TALB 0 \"A\\\\B\\x0A\"\n"
              "TCOM 8 \"o\xD0\xAF\"\n"
              "TCON 1 \"\"\n");
}

TEST(TagDump, NoTextsAfterAFailedLoad) {
    EXPECT_EQ(dump(TagBuilder(2).build(), true, {"TIT2"}), "load 0x1100\n");
    EXPECT_EQ(dump(TagBuilder(3, 1).text("TIT2", "x").raw({'T'}).build(), true, {"TIT2"}),
              "load 0xFE10\nframe 1 TIT2 2 0x00\n");
}

}  // namespace
}  // namespace plk::test
