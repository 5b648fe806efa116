// A load that keeps only the bodies of the frames it will read: every frame
// is still listed, the others' bodies are stepped over in the file, and the
// texts kept are those of a load that keeps everything.
#include <gtest/gtest.h>

#include <random>

#include "face/SongTagText.h"
#include "platform/FileAttributes.h"
#include "tests/core/TagTesting.h"

namespace plk::test {
namespace {

// Noise with plenty of 0xFF followed by 0x00 or 0xE0 and above, which an
// unsynchronising writer must break up.
Bytes picture(std::size_t size) {
    std::mt19937 random(7);
    Bytes bytes(size);
    for (std::uint8_t& byte : bytes) byte = random() % 4 == 0 ? 0xFF : static_cast<std::uint8_t>(random());
    return concat({textBody(0, "image/jpeg"), {0, 3, 0}, bytes});
}

struct BodiesCase {
    const char* what;
    Bytes file;
};

std::vector<BodiesCase> bodiesCases() {
    const Bytes artist = textBody(0, "The Artist");
    return {
        {"small tag, read whole", TagBuilder(3).frame("APIC", picture(3000)).text("TIT2", "Title").text("TPE1", "Artist")
                                      .padding(20).build()},
        {"covers past the read buffer, texts between and after",
         TagBuilder(4).frame("APIC", picture(300000)).text("TIT2", "Title", 3).frame("PRIV", picture(70000))
             .text("TALB", "Album").text("TPE1", "Artist").build()},
        {"a cover ending at the edge of the read buffer", TagBuilder(3).frame("APIC", picture(65536 - 10 - 11 - 14)).text("TIT2", "T")
                                                   .text("TPE1", "A").build()},
        {"unsynchronised version 3", TagBuilder(3).frame("APIC", picture(150000)).text("TIT2", "Ti\xFF\xE0tle")
                                         .text("TPE1", "\xFF").unsynchroniseBody().build()},
        {"compressed and per-frame unsynchronised",
         TagBuilder(4).frame("APIC", unsynchronise(picture(90000)), 0, 0x02)
             .frame("TPE1", zlibCompress(artist), 0, 0x09, synchSafeBytes(artist.size()))
             .frame("TIT2", unsynchronise(textBody(0, "\xFF\xE0")), 0, 0x02).build()},
    };
}

TEST(FrameBodies, OnlyTheNamedAreKeptAndEveryFrameIsListed) {
    for (const BodiesCase& c : bodiesCases()) {
        SCOPED_TRACE(c.what);
        TempFile file(c.file);
        Tid3v2tag whole, texts;
        ASSERT_EQ(whole.LoadFromFile(file.path(), 0), 0);
        ASSERT_EQ(texts.LoadFromFile(file.path(), 0, FrameBodies::only({"TPE1", "TIT2"})), 0);
        const TFrameIndex& all = whole.frameIndex();
        const TFrameIndex& kept = texts.frameIndex();
        ASSERT_EQ(kept.count(), all.count());
        std::size_t keptBytes = 0;
        for (std::uint32_t n = 1; n <= all.count(); ++n) {
            const std::string& id = all.frameId(n);
            SCOPED_TRACE(id);
            EXPECT_EQ(kept.frameId(n), id);
            EXPECT_EQ(kept.frameOffset(n), all.frameOffset(n));
            EXPECT_EQ(kept.bodySize(n), all.dataSize(n));
            const bool wanted = id == "TPE1" || id == "TIT2";
            EXPECT_EQ(kept.bodyKept(n), wanted);
            keptBytes += kept.dataSize(n);
            if (wanted) {
                EXPECT_EQ(kept.data(n), all.data(n));
                EXPECT_EQ(textOf(texts, id), textOf(whole, id));
            } else {
                EXPECT_EQ(kept.dataSize(n), 0u);
            }
        }
        EXPECT_LT(keptBytes, 100u) << "no picture is kept";
        EXPECT_EQ(whole.paddingSize(), texts.paddingSize());
        EXPECT_EQ(whole.progress(), texts.progress());
        // A frame whose body was stepped over has no text to give.
        if (kept.find("TALB")) {
            EXPECT_EQ(textOf(texts, "TALB"), "(text code 1)");
        }
    }
}

// What the popup reads keeps only the two texts it shows.
TEST(FrameBodies, TheSongTagKeepsNoCover) {
    const Bytes cover = picture(500000);
    TempFile file(concat({TagBuilder(3).text("TPE1", "Artist").frame("APIC", cover).text("TIT2", "Title").build(),
                          Bytes(300, 0x55)}));
    Tid3v2tag reader;
    const SongTagText lines = readSongTagText(reader, file.path(), FileAttribute::kNormal);
    EXPECT_EQ(lines.artist.codePageText, "Artist");
    EXPECT_EQ(lines.title.codePageText, "Title");
    const TFrameIndex& frames = reader.frameIndex();
    ASSERT_EQ(frames.count(), 3u);
    EXPECT_EQ(frames.frameId(2), "APIC");
    EXPECT_EQ(frames.dataSize(2), 0u);
    EXPECT_EQ(frames.bodySize(2), cover.size());
}

}  // namespace
}  // namespace plk::test
