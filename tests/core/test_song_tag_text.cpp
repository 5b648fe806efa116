// What the Song Tag popup shows for a file: ID3v2 first, then ID3v1, then
// the file's name; and the ID3v1 fields as they stand in the file.
#include <gtest/gtest.h>

#include "platform/File.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tags/SongTagText.h"
#include "tests/support/TagBuilder.h"

namespace plk::test {
namespace {

Bytes Id3v1Block(const std::string& title, const std::string& artist) {
    Bytes block(kId3v1Size, 0);
    block[0] = 'T', block[1] = 'A', block[2] = 'G';
    std::copy(title.begin(), title.end(), block.begin() + 3);
    std::copy(artist.begin(), artist.end(), block.begin() + 33);
    return block;
}

const Bytes kAudio(300, 0x55);

SongTagText TextOf(const Bytes& contents) {
    TempFile file(contents);
    Tid3v2tag reader;
    return ReadSongTagText(reader, file.path());
}

TEST(Id3v1Tag, FieldsRunToTheirFirstNulAndKeepTrailingSpaces) {
    Id3v1Tag tag;
    Bytes block = Id3v1Block(std::string(30, 'T'), std::string("Artist  \0junk", 13));
    ASSERT_TRUE(ParseId3v1Tag(block.data(), tag));
    EXPECT_EQ(tag.title, std::string(30, 'T')) << "a full field has no NUL";
    EXPECT_EQ(tag.artist, "Artist  ");
    block[0] = 't';
    EXPECT_FALSE(ParseId3v1Tag(block.data(), tag));
}

TEST(SongTagText, Id3v2TextsWinAndAMissingLineKeepsItsDefault) {
    const SongTagText lines =
        TextOf(concat({TagBuilder(3).text("TIT2", "R&B Mix").build(), kAudio, Id3v1Block("V1 Title", "V1 Artist")}));
    EXPECT_EQ(lines.title, "R&B Mix");
    EXPECT_EQ(lines.artist, "Unknown Artist") << "the ID3v1 tag is not consulted";

    // A title of only the terminating NUL is not empty: the line is blank.
    const SongTagText nul = TextOf(concat({TagBuilder(3).text("TIT2", std::string(1, '\0')).build(), kAudio}));
    EXPECT_EQ(nul.title, std::string(1, '\0'));
}

TEST(SongTagText, UnusableId3v2FallsBackToId3v1) {
    Bytes v22 = toBytes("ID3\x02");
    v22.insert(v22.end(), {0, 0, 0, 0, 0, 10, 'T', 'T', '2', 0, 0, 4, 0, 'A', 'B', 'C'});
    const SongTagText lines = TextOf(concat({v22, kAudio, Id3v1Block("V1 Title ", "")}));
    EXPECT_EQ(lines.title, "V1 Title ");
    EXPECT_EQ(lines.artist, "Unknown Artist") << "an empty ID3v1 artist keeps the default";
}

TEST(SongTagText, WithoutAnyTagTheFileNameIsShown) {
    TempFile file(kAudio);
    Tid3v2tag reader;
    const SongTagText lines = ReadSongTagText(reader, file.path());
    EXPECT_EQ(lines.title, "Unknown song:");
    EXPECT_EQ(lines.artist, SongNameOfPath(file.path()));

    // 127 bytes are too few for an ID3v1 tag, even when they begin with "TAG".
    Bytes shortFile = Id3v1Block("Title", "Artist");
    shortFile.pop_back();
    EXPECT_EQ(TextOf(shortFile).title, "Unknown song:");
    EXPECT_EQ(TextOf(Id3v1Block("Title", "Artist")).title, "Title") << "128 bytes are exactly one tag";
}

TEST(SongTagText, NameWithoutFolderAndLastExtension) {
    EXPECT_EQ(SongNameOfPath("C:\\Music\\Song.Name.mp3"), "Song.Name");
    EXPECT_EQ(SongNameOfPath("C:\\Music.d\\track"), "track");
    EXPECT_EQ(SongNameOfPath("C:tune.mp3"), "tune");
    EXPECT_EQ(SongNameOfPath("/music/a b.mp3"), "a b");
}

TEST(SongTagText, AFileThatCannotBeOpenedRaises) {
    Tid3v2tag reader;
    EXPECT_THROW(ReadSongTagText(reader, "/nonexistent/plinkety/song.mp3"), FileError);
}

}  // namespace
}  // namespace plk::test
