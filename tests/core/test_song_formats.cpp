// The FLAC, Ogg, MP4 and ASF readers and the entry point that chooses among
// them by content, over files built byte by byte: one table per format of
// what each must find, join, decode or refuse.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FileAttributes.h"
#include "tags/MetadataFile.h"
#include "tags/SongTags.h"
#include "tags/UnicodeText.h"
#include "tags/flac/FlacTags.h"
#include "tags/mp4/Mp4Tags.h"
#include "tags/ogg/OggTags.h"
#include "tests/support/FormatBuilder.h"

namespace plk::test {
namespace {

struct Case {
    const char* what;
    Bytes file;
    SongFormat format;
    std::u16string title;
    std::u16string artist;
    bool refused = false;
};

void checkCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        TempFile file(c.file);
        const SongTags tags = readContainerTags(file.path());
        EXPECT_EQ(formatName(tags.format), std::string(formatName(c.format))) << c.what;
        EXPECT_EQ(utf8FromUtf16(tags.title), utf8FromUtf16(c.title)) << c.what;
        EXPECT_EQ(utf8FromUtf16(tags.artist), utf8FromUtf16(c.artist)) << c.what;
        EXPECT_EQ(tags.refused, c.refused) << c.what;
    }
}

Bytes comment(const std::vector<std::string>& fields) { return vorbisComment(fields); }

Bytes flacWithComment(const std::vector<std::string>& fields) { return flacStream({{kCommentBlock, comment(fields)}}); }

Bytes oggVorbis(const Bytes& list, std::size_t pageBody = 4000) {
    return oggStream({vorbisIdentification(), concat({toBytes("\x03vorbis"), list, {1}}), Bytes(300, 7)}, 0x504C4B,
                     pageBody);
}

// FLAC in Ogg: the mapping's first packet with STREAMINFO, then one packet
// per metadata block.
Bytes oggFlac(const Bytes& list) {
    const Bytes first = concat({toBytes("\x7F" "FLAC"), {1, 0}, bigEndianBytes(1, 2), toBytes("fLaC"), {0x00, 0, 0, 34},
                                Bytes(34, 0)});
    return oggStream({first, concat({{0x84}, bigEndianBytes(list.size(), 3), list})});
}

Bytes id3v2Before(const Bytes& stream) {
    return concat({TagBuilder(4).text("TIT2", "not this one").padding(20).build(), stream});
}

const std::u16string kCyrillic = u"Дыхание";
const std::string kCyrillicUtf8 = u8"Дыхание";

TEST(SongFormats, Flac) {
    const Bytes picture(100000, 0xAB);
    Bytes tooLong = flacWithComment({"TITLE=x"});
    tooLong[4 + 4 + 34 + 3] += 1;  // the comment block's length now passes the file's end
    Bytes overrun = flacStream({{kCommentBlock, comment({"TITLE=x"})}, {kPaddingBlock, Bytes(8, 0)}});
    overrun[4 + 4 + 34 + 4 + 21] = 0x40;  // the field's length runs past its block
    checkCases({
        {"title and artist", flacWithComment({"ARTIST=Björk", "TITLE=" + kCyrillicUtf8}), SongFormat::kFlac, kCyrillic, u"Björk"},
        {"names in any case", flacWithComment({"title=t", "ArTiSt=a"}), SongFormat::kFlac, u"t", u"a"},
        {"several values joined", flacWithComment({"ARTIST=A", "TITLE=T", "artist=B", "ARTIST="}), SongFormat::kFlac, u"T", u"A / B"},
        {"other fields passed over", flacWithComment({"TITLES=no", "TITLE", "ALBUM=TITLE=no", "TITLE=yes"}), SongFormat::kFlac, u"yes", u""},
        {"after a picture block", flacStream({{kPictureBlock, picture}, {kCommentBlock, comment({"TITLE=p"})}}), SongFormat::kFlac, u"p", u""},
        {"after an ID3v2 tag", id3v2Before(flacWithComment({"TITLE=f"})), SongFormat::kFlac, u"f", u""},
        {"no comment block", flacStream({{kPaddingBlock, Bytes(10, 0)}}), SongFormat::kFlac, u"", u""},
        {"comment block past the end", tooLong, SongFormat::kFlac, u"", u"", true},
        {"field past its block", overrun, SongFormat::kFlac, u"", u"", true},
        {"forbidden block type", flacStream({{127, Bytes(4, 0)}, {kCommentBlock, comment({"TITLE=x"})}}), SongFormat::kFlac, u"", u"", true},
        {"malformed UTF-8", flacWithComment({"TITLE=a\xC0\xAF" "b\xE2\x82"}), SongFormat::kFlac, u"a\uFFFD\uFFFDb\uFFFD\uFFFD", u""},
    });
}

TEST(SongFormats, Ogg) {
    const Bytes list = comment({"TITLE=" + kCyrillicUtf8, "ARTIST=Ogg"});
    // A 20 KB field before the title: the comment header runs over six pages.
    const Bytes spanning = comment({"COMMENT=" + std::string(20000, 'c'), "title=across pages", "ARTIST=x"});
    Bytes cut = oggVorbis(spanning);
    cut.resize(9000);
    const Bytes theora = oggStream({concat({toBytes("\x80theora"), Bytes(30, 0)}), Bytes(500, 1), Bytes(500, 2)}, 77, 300);
    checkCases({
        {"Vorbis", oggVorbis(list), SongFormat::kOggVorbis, kCyrillic, u"Ogg"},
        {"comment header over several pages", oggVorbis(spanning, 4000), SongFormat::kOggVorbis, u"across pages", u"x"},
        {"pages of 255 bytes", oggVorbis(list, 255), SongFormat::kOggVorbis, kCyrillic, u"Ogg"},
        {"Opus", oggStream({opusIdentification(), concat({toBytes("OpusTags"), list})}), SongFormat::kOpus, kCyrillic, u"Ogg"},
        {"FLAC in Ogg", oggFlac(list), SongFormat::kOggFlac, kCyrillic, u"Ogg"},
        {"after a video stream", interleavedOggStreams(theora, oggVorbis(spanning, 700)), SongFormat::kOggVorbis, u"across pages", u"x"},
        {"Speex", oggStream({concat({toBytes("Speex   "), Bytes(72, 0)}), list}), SongFormat::kNone, u"", u""},
        {"second packet no comment header", oggStream({vorbisIdentification(), concat({toBytes("\x05vorbis"), list})}), SongFormat::kOggVorbis, u"", u"", true},
        {"file cut inside the comment header", cut, SongFormat::kOggVorbis, u"", u"", true},
    });
}

Bytes item(const std::string& type, const Bytes& data) { return atom(type, data); }
Bytes utf8Data(const std::string& text) { return dataAtom(1, toBytes(text)); }

TEST(SongFormats, Mp4) {
    const std::string nam = "\xA9nam", art = "\xA9" "ART";
    const Bytes items = concat({item(nam, utf8Data(kCyrillicUtf8)), item(art, utf8Data("MP4"))});
    const Bytes ftyp = atom("ftyp", toBytes("M4A mp42"));
    Bytes shortAtom = concat({ftyp, moovWithItems(items)});
    shortAtom[ftyp.size() + 3] = 4;  // moov's size below its header's
    const Bytes quickTimeMeta = atom("moov", atom("udta", atom("meta", concat({atom("hdlr", Bytes(25, 0)), atom("ilst", items)}))));
    checkCases({
        {"UTF-8 items", m4aFile(items), SongFormat::kMp4, kCyrillic, u"MP4"},
        {"UTF-16 item", m4aFile(item(nam, dataAtom(2, utf16BeBytes(u"wide \U0001F3B5")))), SongFormat::kMp4, u"wide \U0001F3B5", u""},
        {"other data types passed over", m4aFile(item(nam, concat({dataAtom(21, {1}), dataAtom(13, {0xFF, 0xD8}), utf8Data("t")}))), SongFormat::kMp4, u"t", u""},
        {"several data atoms joined", m4aFile(item(art, concat({utf8Data("A"), utf8Data("B")}))), SongFormat::kMp4, u"", u"A / B"},
        {"album artist without an artist", m4aFile(concat({item("aART", utf8Data("Album")), item(nam, utf8Data("t"))})), SongFormat::kMp4, u"t", u"Album"},
        {"artist before album artist", m4aFile(concat({item("aART", utf8Data("Album")), item(art, utf8Data("Art"))})), SongFormat::kMp4, u"", u"Art"},
        {"moov after mdat", m4aFile(items, 100000, true), SongFormat::kMp4, kCyrillic, u"MP4"},
        {"64-bit sizes", concat({ftyp, atom("mdat", Bytes(100, 0), true), atom("moov", atom("udta", atom("meta", concat({Bytes(4, 0), atom("ilst", items, true)})), true), true)}), SongFormat::kMp4, kCyrillic, u"MP4"},
        {"meta without version and flags", concat({ftyp, quickTimeMeta}), SongFormat::kMp4, kCyrillic, u"MP4"},
        {"no item list", concat({ftyp, atom("moov", atom("mvhd", Bytes(100, 0)))}), SongFormat::kMp4, u"", u""},
        {"atom smaller than its header", shortAtom, SongFormat::kMp4, u"", u"", true},
        {"item past its list", m4aFile(concat({bigEndianBytes(500, 4), toBytes(nam), utf8Data("t")})), SongFormat::kMp4, u"", u"", true},
    });
}

TEST(SongFormats, Asf) {
    const Bytes albumArtist = asfObject(asfExtendedContentDescriptionGuid(),
                                        concat({littleEndianBytes(1, 2), littleEndianBytes(28, 2), utf16LeBytes(u"WM/AlbumArtist", true),
                                                littleEndianBytes(0, 2), littleEndianBytes(8, 2), utf16LeBytes(u"Not", true)}));
    Bytes pastHeader = asfFile(u"t", u"a");
    pastHeader[30 + 16] = 0xF0;  // the first object now runs past the header
    checkCases({
        {"title and author", asfFile(kCyrillic, u"WMA"), SongFormat::kAsf, kCyrillic, u"WMA"},
        {"album artist not read", asfFile(u"t", u"", albumArtist), SongFormat::kAsf, u"t", u""},
        {"object past the header", pastHeader, SongFormat::kAsf, u"", u"", true},
    });
}

TEST(SongFormats, ChosenByContentNotByExtension) {
    const Bytes mp3 = concat({TagBuilder(3).text("TIT2", "Id3").text("TPE1", "Art").build(), Bytes(500, 0xFF)});
    const Bytes id3v1 = concat({Bytes(500, 0), toBytes("TAGOld Title"), Bytes(21, 0), toBytes("Old Artist"), Bytes(20 + 65, 0)});
    checkCases({
        {"an MP3 file", mp3, SongFormat::kNone, u"", u""},
        {"empty", {}, SongFormat::kNone, u"", u""},
        {"text", toBytes("fLa"), SongFormat::kNone, u"", u""},
    });
    const std::vector<std::pair<Bytes, std::string>> dumps = {
        {mp3, "id3v2 Id3 Art"}, {id3v1, "id3v1 Old Title Old Artist"}, {Bytes(300, 1), "none  "},
        {asfFile(u"A", u"B"), "asf A B"}, {oggVorbis(comment({"TITLE=V"})), "ogg-vorbis V "}};
    for (const auto& [bytes, expected] : dumps) {
        TempFile file(bytes);
        const SongTags tags = readSongTags(file.path());
        EXPECT_EQ(std::string(formatName(tags.format)) + ' ' + utf8FromUtf16(tags.title) + ' ' + utf8FromUtf16(tags.artist),
                  expected);
    }
    EXPECT_EQ(readSongTags("/nonexistent/song.flac").format, SongFormat::kNone);
    // A file whose data is elsewhere is not read: the read would wait for
    // the download on the GUI thread.
    TempFile placeholder(flacWithComment({"TITLE=online only"}));
    EXPECT_EQ(readContainerTags(placeholder.path(), FileAttribute::kRecallOnDataAccess).format, SongFormat::kNone);
    EXPECT_EQ(utf8FromUtf16(readContainerTags(placeholder.path(), FileAttribute::kNormal).title), "online only");
    EXPECT_TRUE(isContainerTagExtension(".M4A"));
    EXPECT_FALSE(isContainerTagExtension(".MP3"));
    EXPECT_FALSE(isContainerTagExtension(".WAV"));
}

// A file in the temporary folder built with writeSparseFile, removed when
// the object goes.
class SparseFile {
public:
    SparseFile(const Bytes& head, std::uint64_t size, const Bytes& tail) : path_(TempFile(Bytes()).path() + ".big") {
        writeSparseFile(path_, head, size, tail);
    }
    ~SparseFile() { std::filesystem::remove(path_); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

TEST(SongFormats, LargeFilesCostOnlyTheirHeaders) {
    const std::uint64_t large = 5ull << 30;  // a 5 GB .m4a: 64-bit mdat, moov at the end
    const Bytes moov = moovWithItems(atom("\xA9nam", utf8Data("far")));
    const Bytes head = concat({atom("ftyp", toBytes("M4A mp42")), bigEndianBytes(1, 4), toBytes("mdat"),
                               bigEndianBytes(large - 16 - moov.size(), 8)});
    SparseFile m4a(head, large, moov);
    MetadataFile mp4File(m4a.path());
    SongTags tags;
    readMp4Tags(mp4File, tags);
    EXPECT_EQ(utf8FromUtf16(tags.title), "far");
    EXPECT_LT(mp4File.bytesRead(), 3 * MetadataFile::kCacheSize);

    TempFile flac(flacStream({{kPictureBlock, Bytes(5u << 20, 0)}, {kCommentBlock, comment({"TITLE=pic"})}}));
    MetadataFile flacFile(flac.path());
    tags = SongTags();
    readFlacTags(flacFile, 0, tags);
    EXPECT_EQ(utf8FromUtf16(tags.title), "pic");
    EXPECT_LT(flacFile.bytesRead(), 3 * MetadataFile::kCacheSize);

    // A 3 MB field before the title: its pages are passed over by their headers.
    TempFile ogg(oggVorbis(comment({"METADATA_BLOCK_PICTURE=" + std::string(3u << 20, 'p'), "TITLE=ogg"}), 65000));
    MetadataFile oggFile(ogg.path());
    tags = SongTags();
    readOggTags(oggFile, tags);
    EXPECT_EQ(utf8FromUtf16(tags.title), "ogg");
    EXPECT_LT(oggFile.bytesRead(), 100u * MetadataFile::kCacheSize);

    // Title values that would add up to more than the read budget.
    std::vector<std::string> many(1100, "TITLE=" + std::string(4000, 't'));
    TempFile greedy(flacWithComment(many));
    EXPECT_TRUE(readContainerTags(greedy.path()).refused);
}

TEST(SongFormats, JoinedTextStaysWithinItsCap) {
    std::u16string joined;
    for (int k = 0; k < 5000; ++k) appendValue(joined, u"\U0001F3B5");
    EXPECT_LE(joined.size(), 8192u);
    EXPECT_FALSE(joined.back() >= 0xD800 && joined.back() <= 0xDBFF);
    EXPECT_EQ(utf16FromUtf16(Bytes{0x00, 'a', 0xD8, 0x3C, 0x00, 'b'}.data(), 6, true), u"a\uFFFDb");
}

}  // namespace
}  // namespace plk::test
