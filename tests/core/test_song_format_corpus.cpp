// The FLAC, Ogg, MP4 and ASF readers over the peer files of two other tag
// libraries' test suites (found through PLINKETY_CORPUS; skipped when
// absent): every file, damaged, truncated and looping ones among them, gives
// its format and either the texts TagLib finds in it or a clean refusal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "tags/SongTags.h"
#include "tags/UnicodeText.h"

namespace plk::test {
namespace {

namespace fs = std::filesystem;

struct Expected {
    const char* file;
    const char* format;
    const char* title;  // the first 40 bytes
    const char* artist;
    bool refused;
};

// What each file holds. Where a file is refused, the reason is in its name
// or noted; a refused file shows nothing, as one without tags does.
const Expected kExpected[] = {
    {"mutagen/106-invalid-streaminfo.flac", "flac", "", "", false},
    {"mutagen/106-short-picture-block-size.flac", "flac", "", "", false},
    {"mutagen/52-overwritten-metadata.flac", "flac", "Songs of Rejoicing", "Giora Feidman", false},
    {"mutagen/52-too-short-block-size.flac", "flac", "", "", true},
    {"mutagen/64bit.mp4", "mp4", "", "", true},  // its ilst runs 8 bytes past its meta
    {"mutagen/alac.m4a", "mp4", "empty", "", false},
    {"mutagen/covr-with-name.m4a", "mp4", "", "Test Artist", false},
    {"mutagen/empty.ogg", "ogg-vorbis", "", "", false},
    {"mutagen/empty.spx", "none", "", "", false},
    {"mutagen/ep7.m4b", "mp4", "", "", false},
    {"mutagen/ep9.m4b", "mp4", "", "", false},
    {"mutagen/example.opus", "opus", "", "", false},
    {"mutagen/flac_application.flac", "flac", "I Want the World to Stop", "Belle and Sebastian", false},
    {"mutagen/has-tags.m4a", "mp4", "", "Test Artist", false},
    {"mutagen/multipage-setup.ogg", "ogg-vorbis", "Burst", "UVERworld", false},
    {"mutagen/multipagecomment.ogg", "ogg-vorbis", "", "", false},
    {"mutagen/multiplexed.spx", "none", "", "", false},
    {"mutagen/nero-chapters.m4b", "mp4", "The Land: Predators: A LitRPG Saga: Chao", "Aleron Kong", false},
    {"mutagen/no-tags.flac", "flac", "", "", false},
    {"mutagen/no-tags.m4a", "mp4", "", "", false},
    {"mutagen/ooming-header.flac", "flac", "", "", true},
    {"mutagen/silence-44-s.flac", "flac", "Silence", "piman / jzig", false},
    {"mutagen/truncated-64bit.mp4", "mp4", "", "Foobarella", false},
    {"mutagen/variable-block.flac", "flac", "DIVE FOR YOU", "Boom Boom Satellites", false},
    {"taglib/64bit.mp4", "mp4", "", "", true},
    {"taglib/ac3.m4a", "mp4", "", "", false},
    {"taglib/correctness_gain_silent_output.opus", "opus", "", "", false},
    {"taglib/covr-junk.m4a", "mp4", "", "Test Artist", false},
    {"taglib/eac3.m4a", "mp4", "", "", false},
    {"taglib/empty-seektable.flac", "flac", "", "", false},
    {"taglib/empty.ogg", "ogg-vorbis", "", "", false},
    {"taglib/empty.spx", "none", "", "", false},
    {"taglib/empty_alac.m4a", "mp4", "empty_alac", "", false},
    {"taglib/empty_flac.oga", "ogg-flac", "", "", false},
    {"taglib/empty_vorbis.oga", "ogg-vorbis", "", "", false},
    {"taglib/flac.m4a", "mp4", "", "", false},
    {"taglib/flac96.m4a", "mp4", "", "", false},
    {"taglib/gnre.m4a", "mp4", "", "", false},
    {"taglib/has-tags.m4a", "mp4", "", "Test Artist", false},
    {"taglib/ilst-is-last.m4a", "mp4", "Intro", "Pearl Jam", false},
    {"taglib/infloop.m4a", "mp4", "Udo", "POCKET BISCUITS", false},
    {"taglib/lowercase-fields.ogg", "ogg-vorbis", "TEST TITLE", "TEST ARTIST", false},
    {"taglib/mpeg-sync-flac.flac", "flac", "", "", false},
    {"taglib/multiple-vc.flac", "flac", "", "Artist 1", false},  // the first of its comment blocks
    {"taglib/multiplex.ogg", "ogg-vorbis", "Paper Lights", "", false},  // Vorbis after a Theora stream
    {"taglib/no-tags.flac", "flac", "", "", false},
    {"taglib/no-tags.m4a", "mp4", "", "", false},
    {"taglib/non-full-meta.m4a", "mp4", "", "Test Artist!!!!", false},
    {"taglib/nonprintable-atom-type.m4a", "mp4", "", "", false},
    {"taglib/opus.m4a", "mp4", "", "", false},
    {"taglib/segfault.oga", "none", "", "", true},  // its one page runs past the end of the file
    {"taglib/silence-44-s.flac", "flac", "Silence", "piman / jzig", false},
    {"taglib/sinewave.flac", "flac", "", "", false},
    {"taglib/test.ogg", "ogg-vorbis", "", "", false},
    {"taglib/zero-length-mdat.m4a", "mp4", "Sine wave 440Hz", "", false},
    {"taglib/zero-sized-padding.flac", "flac", "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", "", false},
};

TEST(SongFormatCorpus, EveryPeerFileGivesItsTextsOrACleanRefusal) {
    const char* corpus = std::getenv("PLINKETY_CORPUS");
    const fs::path folder = corpus ? fs::path(corpus) / "formats" : fs::path();
    if (folder.empty() || !fs::is_directory(folder)) GTEST_SKIP() << "no corpus at PLINKETY_CORPUS";
    std::set<std::string> listed;
    for (const Expected& expected : kExpected) {
        listed.insert(expected.file);
        const SongTags tags = readContainerTags((folder / expected.file).string());
        EXPECT_STREQ(formatName(tags.format), expected.format) << expected.file;
        EXPECT_EQ(utf8FromUtf16(tags.title).substr(0, 40), expected.title) << expected.file;
        EXPECT_EQ(utf8FromUtf16(tags.artist), expected.artist) << expected.file;
        EXPECT_EQ(tags.refused, expected.refused) << expected.file;
    }
    // A file added to the corpus is read too, and must not crash the reader.
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = fs::relative(entry.path(), folder).generic_string();
        if (!listed.count(name)) readContainerTags(entry.path().string());
    }
}

}  // namespace
}  // namespace plk::test
