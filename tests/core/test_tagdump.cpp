// The tag dump's output, which other tooling parses.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/core/TagTesting.h"
#include "tools/tagdump/TagDump.h"

namespace plk::test {
namespace {

std::string Dump(const Bytes& file, bool frames, const std::vector<std::string>& ids) {
    TempFile temp(file);
    std::ostringstream out;
    DumpTag(out, temp.path(), frames, ids);
    return out.str();
}

TEST(TagDump, PrintsLoadFramesAndTexts) {
    const Bytes file = TagBuilder(4)
                           .Text("TIT2", "Hi")
                           .Frame("TPE1", TextBody(0, ""))
                           .Frame("TALB", {0, 0xFF, 0x00, 0xE0}, 0, 0x02)
                           .Padding(5)
                           .Build();
    EXPECT_EQ(Dump(file, true, {"TPE1", "TIT2", "TALB", "TXXX"}),
              "load 0x0000\n"
              "frame 1 TIT2 3 0x00\n"
              "frame 2 TPE1 1 0x00\n"
              "frame 3 TALB 4 0x02\n"
              "TPE1 2 -\n"
              "TIT2 0 4869\n"
              "TALB 0 FFE0\n"
              "TXXX 3 -\n");
}

TEST(TagDump, NoTextsAfterAFailedLoad) {
    EXPECT_EQ(Dump(TagBuilder(2).Build(), true, {"TIT2"}), "load 0x1100\n");
    EXPECT_EQ(Dump(TagBuilder(3, 1).Text("TIT2", "x").Raw({'T'}).Build(), true, {"TIT2"}),
              "load 0xFE10\nframe 1 TIT2 2 0x00\n");
}

}  // namespace
}  // namespace plk::test
