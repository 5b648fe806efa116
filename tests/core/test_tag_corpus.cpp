// The reader over real files from the test suites of two other tag
// libraries (found through PLINKETY_CORPUS; skipped when absent). Every file
// must load and give up its texts without a crash or a sanitizer report; a
// few outcomes follow from the format rules and are checked exactly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "tags/Id3v2Tag.h"
#include "tags/TagCodes.h"

namespace plk::test {
namespace {

namespace fs = std::filesystem;

fs::path corpusFolder() {
    const char* corpus = std::getenv("PLINKETY_CORPUS");
    return corpus ? fs::path(corpus) / "id3" : fs::path();
}

class TagCorpus : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = corpusFolder();
        if (folder_.empty() || !fs::is_directory(folder_)) GTEST_SKIP() << "no corpus at PLINKETY_CORPUS";
    }
    std::string corpusFile(const std::string& name) const { return (folder_ / name).string(); }
    std::string text(const std::string& id) {
        std::string text;
        tag_.GetTextFrame(id, text);
        return text;
    }

    fs::path folder_;
    Tid3v2tag tag_;  // one reader for every file, as in the program
};

TEST_F(TagCorpus, EveryFileLoadsAndEveryTextFrameDecodes) {
    const std::set<unsigned> failures = {0x00, 0x01, 0x03, 0x05, 0x08, 0x10, 0x11, 0x20, 0x21, 0xFE};
    int files = 0, usable = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
        if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
        ++files;
        const std::uint16_t code = tag_.LoadFromFile(entry.path().string(), 0);
        EXPECT_EQ(failures.count(code >> 8), 1u) << entry.path();
        if (!isUsableLoad(code)) continue;
        ++usable;
        const TFrameIndex& frames = tag_.frameIndex();
        for (std::uint32_t n = 1; n <= frames.count(); ++n) {
            std::string text;
            const std::uint8_t textCode = tag_.GetTextFrame(frames.frameId(n), text);
            EXPECT_LE(textCode, TextCode::kEncrypted) << entry.path() << ' ' << frames.frameId(n);
            if (textCode == TextCode::kUnknownEncoding) {
                EXPECT_EQ(text, "") << entry.path();
            }
        }
    }
    EXPECT_GE(files, 40);
    EXPECT_GE(usable, 10);
}

TEST_F(TagCorpus, Version2TagsAreRefused) {
    EXPECT_EQ(tag_.LoadFromFile(corpusFile("mutagen/id3v22-test.mp3"), 0), 0x1100);
    EXPECT_EQ(tag_.LoadFromFile(corpusFile("taglib/id3v22-tda.mp3"), 0), 0x1100);
    EXPECT_EQ(tag_.LoadFromFile(corpusFile("taglib/itunes10.mp3"), 0), 0x1100);
}

TEST_F(TagCorpus, UnsynchronisedVersion3TagGivesItsRealText) {
    ASSERT_EQ(tag_.LoadFromFile(corpusFile("mutagen/id3v23_unsynch.id3"), 0), 0x0000);
    EXPECT_TRUE(tag_.unsynchronisation());
    EXPECT_EQ(tag_.majorVersion(), 3);
    EXPECT_EQ(text("TPE1"), "Nina Simone");
    EXPECT_EQ(text("TIT2"), "My babe just cares for me");
}

TEST_F(TagCorpus, Version4ExtendedHeaderIsSteppedOver) {
    ASSERT_EQ(tag_.LoadFromFile(corpusFile("mutagen/id3v24_extended_header.id3"), 0), 0x0000);
    EXPECT_TRUE(tag_.extendedHeaderPresent());
    EXPECT_GE(tag_.extendedHeaderSize(), 6u);
    EXPECT_EQ(text("TIT2"), "One Second of Silence");
    EXPECT_EQ(text("TPE1"), "Snild Dolkow");
}

TEST_F(TagCorpus, DamagedAndMissingTags) {
    EXPECT_EQ(tag_.LoadFromFile(corpusFile("mutagen/emptyfile.mp3"), 0), 0x0800) << "offset 0 is not inside an empty file";
    EXPECT_EQ(tag_.LoadFromFile(corpusFile("mutagen/no-tags.mp3"), 0), 0x1000);
    // Its header declares a 5,102-byte tag in a 4,088-byte file.
    EXPECT_EQ(tag_.LoadFromFile(corpusFile("taglib/compressed_id3_frame.mp3"), 0), 0x2000);
    // The extended-header flag is set but frames follow at once: the
    // "extended header" then claims more than the tag holds.
    EXPECT_EQ(tag_.LoadFromFile(corpusFile("mutagen/issue_21.id3"), 0), 0xFE00);
}

}  // namespace
}  // namespace plk::test
