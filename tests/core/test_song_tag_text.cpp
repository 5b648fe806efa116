// What the Song Tag popup shows for a file: ID3v2 first, then ID3v1, then
// the file's name; and the ID3v1 fields as they stand in the file.
#include <gtest/gtest.h>

#include "face/SongTagText.h"
#include "platform/File.h"
#include "platform/FileAttributes.h"
#include "tags/Id3v1Tag.h"
#include "tags/Id3v2Tag.h"
#include "tests/support/TagBuilder.h"

namespace plk::test {
namespace {

Bytes id3v1Block(const std::string& title, const std::string& artist) {
    Bytes block(kId3v1Size, 0);
    block[0] = 'T', block[1] = 'A', block[2] = 'G';
    std::copy(title.begin(), title.end(), block.begin() + 3);
    std::copy(artist.begin(), artist.end(), block.begin() + 33);
    return block;
}

const Bytes kAudio(300, 0x55);

SongTagText textOf(const Bytes& contents) {
    TempFile file(contents);
    Tid3v2tag reader;
    return readSongTagText(reader, file.path(), fileAttributes(file.path()));
}

TEST(Id3v1Tag, FieldsRunToTheirFirstNulAndKeepTrailingSpaces) {
    Id3v1Tag tag;
    Bytes block = id3v1Block(std::string(30, 'T'), std::string("Artist  \0junk", 13));
    ASSERT_TRUE(parseId3v1Tag(block.data(), tag));
    EXPECT_EQ(tag.title, std::string(30, 'T')) << "a full field has no NUL";
    EXPECT_EQ(tag.artist, "Artist  ");
    block[0] = 't';
    EXPECT_FALSE(parseId3v1Tag(block.data(), tag));
}

TEST(SongTagText, Id3v2TextsWinAndAMissingLineKeepsItsDefault) {
    const SongTagText lines =
        textOf(concat({TagBuilder(3).text("TIT2", "R&B Mix").build(), kAudio, id3v1Block("V1 Title", "V1 Artist")}));
    EXPECT_EQ(lines.title.codePageText, "R&B Mix");
    EXPECT_EQ(lines.artist.codePageText, "Unknown Artist") << "the ID3v1 tag is not consulted";

    // The artist is the lead performer (TPE1), not the band (TPE2).
    const SongTagText both =
        textOf(concat({TagBuilder(3).text("TPE2", "The Band").text("TPE1", "The Singer").build(), kAudio}));
    EXPECT_EQ(both.artist.codePageText, "The Singer");

    // A title of only the terminating NUL is not empty: the line is blank.
    const SongTagText nul = textOf(concat({TagBuilder(3).text("TIT2", std::string(1, '\0')).build(), kAudio}));
    EXPECT_EQ(nul.title.codePageText, std::string(1, '\0'));
}

// "Beyoncé" from a UTF-16 frame must not go through a Cyrillic code page;
// Latin-1 bytes may be the user's own code page and go there as they are.
TEST(SongTagText, UnicodeFramesGiveUnicodeAndLatin1FramesTheirBytes) {
    const SongTagText unicode = textOf(concat({TagBuilder(4)
                                                   .frame("TIT2", textBody(3, u8"Дыхание"))
                                                   .frame("TPE1", textBody(1, Bytes{0xFF, 0xFE, 'B', 0, 0xE9, 0}))
                                                   .build(),
                                               kAudio}));
    EXPECT_TRUE(unicode.title.isUnicode);
    EXPECT_EQ(unicode.title.unicodeText, u"Дыхание");
    EXPECT_TRUE(unicode.artist.isUnicode);
    EXPECT_EQ(unicode.artist.unicodeText, u"Bé");

    const SongTagText latin1 = textOf(concat(
        {TagBuilder(3).frame("TIT2", textBody(0, Bytes{0xC9, 't', 0xE9})).frame("TPE1", textBody(3, Bytes{'a', 0xE2, 0x82})).build(),
         kAudio}));
    EXPECT_FALSE(latin1.title.isUnicode);
    EXPECT_EQ(latin1.title.codePageText, "\xC9t\xE9");
    EXPECT_TRUE(latin1.artist.isUnicode);
    EXPECT_EQ(latin1.artist.unicodeText, u"a") << "the text before a cut-off sequence is shown";

    EXPECT_FALSE(textOf(concat({kAudio, id3v1Block("\xC9t\xE9", "")})).title.isUnicode);
}

TEST(SongTagText, UnusableId3v2FallsBackToId3v1) {
    Bytes v22 = toBytes("ID3\x02");
    v22.insert(v22.end(), {0, 0, 0, 0, 0, 10, 'T', 'T', '2', 0, 0, 4, 0, 'A', 'B', 'C'});
    const SongTagText lines = textOf(concat({v22, kAudio, id3v1Block("V1 Title ", "")}));
    EXPECT_EQ(lines.title.codePageText, "V1 Title ");
    EXPECT_EQ(lines.artist.codePageText, "Unknown Artist") << "an empty ID3v1 artist keeps the default";
}

TEST(SongTagText, WithoutAnyTagTheFileNameIsShown) {
    TempFile file(kAudio);
    Tid3v2tag reader;
    const SongTagText lines = readSongTagText(reader, file.path(), FileAttribute::kNormal);
    EXPECT_EQ(lines.title.codePageText, "Unknown song:");
    EXPECT_EQ(lines.artist.codePageText, songNameOfPath(file.path()));

    // 127 bytes are too few for an ID3v1 tag, even when they begin with "TAG".
    Bytes shortFile = id3v1Block("Title", "Artist");
    shortFile.pop_back();
    EXPECT_EQ(textOf(shortFile).title.codePageText, "Unknown song:");
    EXPECT_EQ(textOf(id3v1Block("Title", "Artist")).title.codePageText, "Title") << "128 bytes are exactly one tag";
}

TEST(SongTagText, NameWithoutFolderAndLastExtension) {
    EXPECT_EQ(songNameOfPath("C:\\Music\\Song.Name.mp3"), "Song.Name");
    EXPECT_EQ(songNameOfPath("C:\\Music.d\\track"), "track");
    EXPECT_EQ(songNameOfPath("C:tune.mp3"), "tune");
    EXPECT_EQ(songNameOfPath("/music/a b.mp3"), "a b");
}

TEST(SongTagText, AFileThatCannotBeOpenedRaises) {
    Tid3v2tag reader;
    EXPECT_THROW(readSongTagText(reader, "/nonexistent/plinkety/song.mp3", FileAttribute::kNormal), FileError);
}

// A file whose data is elsewhere is not read at all: the read would wait on
// the GUI thread for the download, or fail without a connection.
TEST(SongTagText, APlaceholderShowsItsFileNameUnread) {
    TempFile file(concat({TagBuilder(3).text("TIT2", "Title").build(), kAudio}));
    const long archive = 0x20, pinned = 0x80000, reparsePoint = 0x400;
    Tid3v2tag reader;
    const SongTagText lines = readSongTagText(reader, file.path(), FileAttribute::kRecallOnDataAccess | archive);
    EXPECT_EQ(lines.title.codePageText, "Unknown song:");
    EXPECT_EQ(lines.artist.codePageText, songNameOfPath(file.path()));
    EXPECT_EQ(reader.fileName(), "") << "no tag loaded";
    EXPECT_NO_THROW(readSongTagText(reader, "/nonexistent/plinkety/song.mp3", FileAttribute::kOffline)) << "nor opened";
    // Once downloaded (and kept, as a pinned file is) it is a file like any other.
    EXPECT_EQ(readSongTagText(reader, file.path(), pinned | reparsePoint | archive).title.codePageText, "Title");
}

}  // namespace
}  // namespace plk::test
