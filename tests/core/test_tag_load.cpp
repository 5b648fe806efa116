// Loading tags: header checks, every load code, extended headers, padding,
// the frame table.
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "tags/TagCodes.h"
#include "tests/core/TagTesting.h"

namespace plk::test {
namespace {

TEST(TagHeaderCheck, RejectsWhatIsNotATagHeader) {
    Tid3v2tag tag;
    EXPECT_EQ(LoadBytes(tag, ToBytes("TAG-not-id3-at-all")), 0x1000);
    Bytes badSize = TagBuilder(3).Text("TIT2", "x").Build();
    badSize[7] = 0x80;
    EXPECT_EQ(LoadBytes(tag, badSize), 0x1000);
    Bytes badVersion = TagBuilder(3).Build();
    badVersion[3] = 0xFF;
    EXPECT_EQ(LoadBytes(tag, badVersion), 0x1000);
    Bytes badRevision = TagBuilder(3).Build();
    badRevision[4] = 0xFF;
    EXPECT_EQ(LoadBytes(tag, badRevision), 0x1000);
    EXPECT_EQ(LoadBytes(tag, Bytes{'I', 'D', '3', 3, 0, 0, 0, 0, 0}), 0x1000) << "fewer than 10 bytes";
    EXPECT_EQ(tag.StatusText(), "Loading tag");
    EXPECT_FALSE(tag.LoadComplete());
}

TEST(TagHeaderCheck, FileAndOffsetFailures) {
    Tid3v2tag tag;
    EXPECT_EQ(tag.LoadFromFile("/nonexistent/plinkety/song.mp3", 0), 0x0100);
    const Bytes bytes = TagBuilder(3).Text("TIT2", "Title").Build();
    EXPECT_EQ(LoadBytes(tag, bytes, bytes.size()), 0x0800);
    EXPECT_EQ(LoadBytes(tag, bytes, bytes.size() + 100), 0x0800);
    EXPECT_EQ(LoadBytes(tag, bytes, bytes.size() - 9), 0x1000);
    // Only the low 32 bits of the offset count.
    EXPECT_EQ(LoadBytes(tag, bytes, 0x100000000ull), 0x0000);
}

TEST(TagHeaderCheck, TagAtAnOffset) {
    Tid3v2tag tag;
    const Bytes bytes = Concat({Bytes(300, 0x55), TagBuilder(4).Text("TIT2", "Later").Build()});
    EXPECT_EQ(LoadBytes(tag, bytes, 300), 0x0000);
    EXPECT_EQ(tag.TagOffset(), 300u);
    EXPECT_EQ(tag.FrameIndex().FrameOffset(1), 10u);
}

TEST(TagHeaderCheck, UnsupportedVersionsLeaveTheFramesAlone) {
    Tid3v2tag tag;
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Text("TIT2", "Kept").Build()), 0x0000);
    Bytes v22 = ToBytes("ID3\x02");
    v22.insert(v22.end(), {0, 0, 0, 0, 0, 10});
    v22.insert(v22.end(), {'T', 'T', '2', 0, 0, 4, 0, 'A', 'B', 'C'});
    EXPECT_EQ(LoadBytes(tag, v22), 0x1100);
    EXPECT_EQ(tag.MajorVersion(), 2);
    EXPECT_EQ(tag.LastResult(), 0x0000) << "last result only changes when a version is parsed";
    EXPECT_FALSE(tag.LoadComplete());
    ASSERT_EQ(tag.FrameIndex().Count(), 1u);
    EXPECT_EQ(tag.FrameIndex().FrameId(1), "TIT2");
    EXPECT_EQ(LoadBytes(tag, TagBuilder(5).Build()), 0x1100);
}

TEST(TagHeaderCheck, RevisionIsAWarningUnlessRefused) {
    Tid3v2tag tag;
    const Bytes bytes = TagBuilder(4, 1).Text("TIT2", "Rev").Build();
    EXPECT_EQ(LoadBytes(tag, bytes), 0x0010);
    EXPECT_EQ(tag.Revision(), 1);
    EXPECT_EQ(tag.LastResult(), 0x0010);
    tag.SetAcceptRevisions(false);
    EXPECT_EQ(LoadBytes(tag, bytes), 0x1100);
}

TEST(TagHeaderCheck, UndefinedHeaderFlagsWarn) {
    Tid3v2tag tag;
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Flags(0x10).Text("TIT2", "x").Build()), 0x0080);
    EXPECT_FALSE(tag.FooterPresent()) << "version 3 has no footer flag";
    EXPECT_EQ(LoadBytes(tag, TagBuilder(4).Flags(0x10).Text("TIT2", "x").Build()), 0x0000);
    EXPECT_TRUE(tag.FooterPresent());
    EXPECT_EQ(LoadBytes(tag, TagBuilder(4).Flags(0x21).Text("TIT2", "x").Build()), 0x0080);
    EXPECT_TRUE(tag.Experimental());
    EXPECT_EQ(tag.HeaderFlags(), 0x20);
}

TEST(TagHeaderCheck, FileShorterThanTheTag) {
    Tid3v2tag tag;
    Bytes bytes = TagBuilder(3).Text("TIT2", "Cut").Build();
    bytes.pop_back();
    EXPECT_EQ(LoadBytes(tag, bytes), 0x2000);
    EXPECT_TRUE(tag.LoadComplete()) << "the version dispatch ran";
    EXPECT_EQ(tag.LastResult(), 0x2000);
}

TEST(TagLoadState, ReportsProgressAndStatus) {
    Tid3v2tag tag;
    EXPECT_TRUE(tag.LoadComplete());
    EXPECT_EQ(tag.MajorVersion(), 3);
    ASSERT_EQ(LoadBytes(tag, TagBuilder(4).Flags(0x40).Raw({0, 0, 0, 6, 1, 0}).Text("TIT2", "x").Build()), 0);
    EXPECT_EQ(tag.Progress(), 100);
    EXPECT_EQ(tag.StatusText(), "Load Complete");
    EXPECT_TRUE(tag.LoadComplete());
    EXPECT_FALSE(tag.Modified());
    EXPECT_FALSE(tag.FileName().empty());
    tag.SetTagIsUpdate(true);
    EXPECT_TRUE(tag.Modified());
    EXPECT_EQ(tag.ExtendedFlags(), 0x40);
    tag.SetTagIsUpdate(false);
    tag.SetUnsynchronisation(true);
    EXPECT_EQ(tag.HeaderFlags(), 0xC0);
}

TEST(TagLoadState, ReadOnlyAttribute) {
    Tid3v2tag tag;
    TempFile file(TagBuilder(3).Text("TIT2", "x").Build());
    ASSERT_EQ(tag.LoadFromFile(file.path(), 0), 0);
    EXPECT_FALSE(tag.ReadOnly());
    // Hidden counts too (a leading dot, in the POSIX file layer).
    const std::string hidden = file.path().substr(0, file.path().rfind('/') + 1) + ".plk-hidden-tag.mp3";
    ASSERT_EQ(std::rename(file.path().c_str(), hidden.c_str()), 0);
    EXPECT_EQ(tag.LoadFromFile(hidden, 0), 0);
    EXPECT_TRUE(tag.ReadOnly());
    std::rename(hidden.c_str(), file.path().c_str());
}

// The three exception kinds, from files the system cannot read as asked.
TEST(TagFileErrors, OpenFailureIs01) {
    const std::string path = "/tmp/plk-tag-socket-" + std::to_string(::getpid());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    Tid3v2tag tag;
    EXPECT_EQ(tag.LoadFromFile(path, 0), 0x0100) << "exists, but cannot be opened";
    ::close(fd);
    ::unlink(path.c_str());
}

TEST(TagFileErrors, ShortReadIs03) {
    // sysfs reports 4096 bytes for a file that reads as a few.
    const std::string path = "/sys/kernel/uevent_seqnum";
    if (::access(path.c_str(), R_OK) != 0) GTEST_SKIP() << path << " is not available";
    Tid3v2tag tag;
    EXPECT_EQ(tag.LoadFromFile(path, 0), 0x0300);
}

TEST(TagFileErrors, InputOutputErrorIs05) {
    const std::string path = "/sys/devices/software/power/autosuspend_delay_ms";
    if (::access(path.c_str(), R_OK) != 0) GTEST_SKIP() << path << " is not available";
    Tid3v2tag tag;
    EXPECT_EQ(tag.LoadFromFile(path, 0), 0x0500);
}

TEST(TagFrames, FrameTableHoldsWhatWasRead) {
    Tid3v2tag tag;
    const Bytes bytes = TagBuilder(4)
                            .Text("TIT2", "Title")
                            .Frame("tpe1", TextBody(0, "Artist"), 0x60, 0x00)
                            .Frame("TALB", TextBody(0, "Album"), 0x00, 0x40, {0x07})
                            .Build();
    ASSERT_EQ(LoadBytes(tag, bytes), 0x0000);
    const TFrameIndex& frames = tag.FrameIndex();
    ASSERT_EQ(frames.Count(), 3u);
    EXPECT_EQ(frames.FrameId(2), "TPE1") << "IDs are upper-cased";
    EXPECT_EQ(frames.FrameOffset(1), 10u);
    EXPECT_EQ(frames.HeaderLength(1), 10u);
    EXPECT_EQ(frames.FrameOffset(2), 10u + 10 + 6);
    EXPECT_EQ(frames.StatusFlags(2), 0x60);
    EXPECT_EQ(frames.FormatFlags(3), 0x40);
    EXPECT_EQ(frames.GroupIdentifier(3), 0x07);
    EXPECT_EQ(frames.HeaderLength(3), 11u);
    EXPECT_EQ(Str(frames.Data(3)), Str(TextBody(0, "Album")));
    EXPECT_TRUE(frames.Modified(1));
    EXPECT_EQ(tag.PaddingSize(), 0u);
}

TEST(TagFrames, Version3FlagsAreTranslated) {
    Tid3v2tag tag;
    const Bytes bytes = TagBuilder(3)
                            .Frame("TIT2", TextBody(0, "x"), 0xE0, 0x60, {0x81, 0x05})  // encrypted, grouped
                            .Frame("TPE1", ZlibCompress(TextBody(0, "Artist")), 0x00, 0x80,
                                   BigEndianBytes(7))  // compressed
                            .Build();
    ASSERT_EQ(LoadBytes(tag, bytes), 0x0000);
    const TFrameIndex& frames = tag.FrameIndex();
    EXPECT_EQ(frames.StatusFlags(1), 0x70);
    EXPECT_EQ(frames.FormatFlags(1), 0x44);
    EXPECT_EQ(frames.EncryptionMethod(1), 0x81);
    EXPECT_EQ(frames.GroupIdentifier(1), 0x05);
    EXPECT_EQ(frames.HeaderLength(1), 12u);
    EXPECT_EQ(frames.FormatFlags(2), 0x09);
    EXPECT_EQ(frames.FormatFlagsAsRead(2), 0x09);
    EXPECT_EQ(frames.DataLength(2), 7u);
    EXPECT_EQ(frames.Data(2), ZlibCompress(TextBody(0, "Artist"))) << "stored still compressed";
}

TEST(TagFrames, Version4ExtraBytesInTheirOrder) {
    Tid3v2tag tag;
    // grouping, encryption, data length indicator
    const Bytes bytes = TagBuilder(4).Frame("TIT2", TextBody(0, "x"), 0, 0x45, Concat({{9, 3}, SynchSafeBytes(300)})).Build();
    ASSERT_EQ(LoadBytes(tag, bytes), 0x0000);
    EXPECT_EQ(tag.FrameIndex().GroupIdentifier(1), 9);
    EXPECT_EQ(tag.FrameIndex().EncryptionMethod(1), 3);
    EXPECT_EQ(tag.FrameIndex().DataLength(1), 300u);
    EXPECT_EQ(tag.FrameIndex().HeaderLength(1), 16u);
}

// Some writers stored version 4 frame sizes as plain numbers; read unmasked,
// a size byte of 0x80 or more still gives their size.
TEST(TagFrames, Version4SizeBytesAreNotMasked) {
    Tid3v2tag tag;
    const Bytes body = TextBody(0, std::string(132, 'x'));  // 133 bytes: 00 00 00 85
    const Bytes bytes = TagBuilder(4).Raw(Concat({ToBytes("TIT2"), {0, 0, 0, 0x85, 0, 0}, body})).Text("TPE1", "After").Build();
    ASSERT_EQ(LoadBytes(tag, bytes), 0x0000);
    ASSERT_EQ(tag.FrameIndex().Count(), 2u);
    EXPECT_EQ(tag.FrameIndex().DataSize(1), 133u);
    EXPECT_EQ(tag.FrameIndex().FrameId(2), "TPE1");
}

// Z is a frame ID letter like any other (TSIZ is a standard version 3 frame).
TEST(TagFrames, FrameIdWithZIsAccepted) {
    Tid3v2tag tag;
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Text("TSIZ", "1234").Text("TIT2", "Title").Build()), 0x0000);
    ASSERT_EQ(tag.FrameIndex().Count(), 2u);
    EXPECT_EQ(tag.FrameIndex().FrameId(1), "TSIZ");
}

TEST(TagFrames, BadFrameIdStopsWithTheFramesBeforeIt) {
    Tid3v2tag tag;
    const Bytes bytes = TagBuilder(3).Text("TIT2", "One").Text("TP 1", "Two").Text("TALB", "Three").Build();
    EXPECT_EQ(LoadBytes(tag, bytes), 0x2100);
    ASSERT_EQ(tag.FrameIndex().Count(), 1u);
    EXPECT_EQ(tag.FrameIndex().FrameId(1), "TIT2");
    EXPECT_EQ(tag.LastResult(), 0x2100);
}

TEST(TagFrames, CorruptSizes) {
    Tid3v2tag tag;
    // A frame claiming more than the tag holds.
    Bytes big = TagBuilder(4).Text("TIT2", "x").Build();
    big[10 + 7] = 0x7F;
    EXPECT_EQ(LoadBytes(tag, big), 0xFE00);
    // Extra bytes beyond the frame's size.
    EXPECT_EQ(LoadBytes(tag, TagBuilder(4).Frame("TIT2", {}, 0, 0x01, {0, 0}).Padding(10).Build()), 0xFE00);
    // A frame header with nothing after it and no padding.
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Text("TIT2", "x").Frame("TPE1", {}).Build()), 0xFE00);
    // A short stub at the end.
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Text("TIT2", "x").Raw({'T', 'P'}).Build()), 0xFE00);
    // Warnings survive a failure.
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3, 2).Text("TIT2", "x").Raw({'T', 'P'}).Build()), 0xFE10);
}

TEST(TagPadding, ZeroSizeAndAllPadding) {
    Tid3v2tag tag;
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Build()), 0x0000);
    EXPECT_EQ(tag.FrameIndex().Count(), 0u);
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Padding(10).Build()), 0x0000);
    EXPECT_EQ(tag.PaddingSize(), 10u);
    EXPECT_EQ(LoadBytes(tag, TagBuilder(4).Padding(4000).Build()), 0x0000);
    EXPECT_EQ(tag.PaddingSize(), 4000u);
    EXPECT_EQ(LoadBytes(tag, TagBuilder(4).Padding(3).Build()), 0x0000) << "a short all-zero rest is padding";
    EXPECT_EQ(tag.PaddingSize(), 3u);
}

TEST(TagPadding, MeasuredAfterFramesAndMp3eMarker) {
    Tid3v2tag tag;
    ASSERT_EQ(LoadBytes(tag, TagBuilder(4).Text("TIT2", "x").Padding(100).Build()), 0x0000);
    EXPECT_EQ(tag.PaddingSize(), 100u);
    EXPECT_EQ(tag.FrameIndex().Count(), 1u);
    const Bytes marker = Concat({ToBytes("MP3e"), {0xFF, 0xFB, 0x90, 0x44, 1, 2}, Bytes(20, 0x33)});
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Text("TIT2", "x").Raw(marker).Build()), 0x0000);
    EXPECT_EQ(tag.PaddingSize(), 30u);
    EXPECT_EQ(tag.FrameIndex().Count(), 1u);
}

TEST(TagExtendedHeader, Version3PaddingAndCrc) {
    Tid3v2tag tag;
    const Bytes plain = {0, 0, 0, 6, 0, 0, 0, 0, 0, 50};
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Flags(0x40).Raw(plain).Text("TIT2", "x").Padding(50).Build()), 0x0000);
    EXPECT_EQ(tag.ExtendedHeaderSize(), 6u);
    EXPECT_EQ(tag.PaddingSize(), 50u);
    EXPECT_FALSE(tag.CrcPresent());

    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Flags(0x40).Raw(plain).Text("TIT2", "x").Padding(40).Build()), 0x0004);
    EXPECT_EQ(tag.PaddingSize(), 50u) << "the declared value is kept";

    const Bytes withCrc = {0, 0, 0, 10, 0x80, 0, 0, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF};
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Flags(0x40).Raw(withCrc).Text("TIT2", "x").Padding(8).Build()), 0x0000);
    EXPECT_TRUE(tag.CrcPresent());
    EXPECT_EQ(tag.Crc(), 0xDEADBEEFu);
    EXPECT_EQ(tag.PaddingSize(), 8u) << "none declared: measured";
    EXPECT_EQ(tag.FrameIndex().FrameOffset(1), 24u);

    // The CRC flag with a size of 6 announces no CRC bytes.
    const Bytes flagOnly = {0, 0, 0, 6, 0x80, 0, 0, 0, 0, 0};
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Flags(0x40).Raw(flagOnly).Text("TIT2", "x").Build()), 0x0000);
    EXPECT_EQ(tag.Crc(), 0u);
    EXPECT_EQ(tag.FrameIndex().FrameId(1), "TIT2");
}

TEST(TagExtendedHeader, Version3UnknownFlagsAndShortTags) {
    Tid3v2tag tag;
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Flags(0x40).Raw({0, 0, 0, 6, 0x40, 0, 0, 0, 0, 0}).Text("TIT2", "x").Build()),
              0x0040);
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Flags(0x40).Raw({0, 0, 0, 6, 0, 1, 0, 0, 0, 0}).Text("TIT2", "x").Build()),
              0x0040);
    // CRC announced but the tag ends first.
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Flags(0x40).Raw({0, 0, 0, 10, 0x80, 0, 0, 0, 0, 0, 1, 2}).Build()), 0xFE00);
    // Flag set but no room for the header: read as frames (here, padding).
    EXPECT_EQ(LoadBytes(tag, TagBuilder(3).Flags(0x40).Padding(10).Build()), 0x0000);
    EXPECT_EQ(tag.ExtendedHeaderSize(), 0u);
}

TEST(TagExtendedHeader, Version4FlagData) {
    Tid3v2tag tag;
    // size 15: update (no data), CRC (5 bytes), restrictions (1 byte)
    const Bytes header = {0, 0, 0, 15, 1, 0x70, 0, 5, 0x0F, 0x7F, 0x7F, 0x7F, 0x7F, 1, 0x5A};
    ASSERT_EQ(LoadBytes(tag, TagBuilder(4).Flags(0x40).Raw(header).Text("TIT2", "x").Build()), 0x0000);
    EXPECT_EQ(tag.ExtendedHeaderSize(), 15u);
    EXPECT_TRUE(tag.TagIsUpdate());
    EXPECT_TRUE(tag.CrcPresent());
    EXPECT_TRUE(tag.RestrictionsPresent());
    EXPECT_EQ(tag.Crc(), 0xFFFFFFFFu) << "35 bits kept to 32";
    EXPECT_EQ(tag.Restrictions(), 0x5A);
    EXPECT_EQ(tag.FrameIndex().FrameOffset(1), 25u);

    // A loaded version 3 tag does not inherit the version 4 flags.
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Text("TIT2", "x").Build()), 0x0000);
    EXPECT_EQ(tag.ExtendedFlags(), 0);
    EXPECT_EQ(tag.Restrictions(), 0);
}

TEST(TagExtendedHeader, Version4SkipsUndefinedDataAndWarns) {
    Tid3v2tag tag;
    // bit 0x80 with two bytes of data, then restrictions
    const Bytes header = {0, 0, 0, 11, 1, 0x90, 2, 0xAA, 0xBB, 1, 0x33};
    EXPECT_EQ(LoadBytes(tag, TagBuilder(4).Flags(0x40).Raw(header).Text("TIT2", "x").Build()), 0x0040);
    EXPECT_EQ(tag.Restrictions(), 0x33);
    EXPECT_EQ(tag.FrameIndex().Count(), 1u);
    // two flag bytes
    EXPECT_EQ(LoadBytes(tag, TagBuilder(4).Flags(0x40).Raw({0, 0, 0, 7, 2, 0, 0}).Text("TIT2", "x").Build()), 0x0040);
}

TEST(TagExtendedHeader, Version4Contradictions) {
    Tid3v2tag tag;
    auto load = [&](const Bytes& header) {
        return LoadBytes(tag, TagBuilder(4).Flags(0x40).Raw(header).Text("TIT2", "x").Build());
    };
    EXPECT_EQ(load({0, 0, 0, 5, 1, 0}), 0xFE00) << "below six";
    EXPECT_EQ(load({0, 0, 0, 6, 0, 0}), 0xFE00) << "no flag byte";
    EXPECT_EQ(load({0, 0, 0, 10, 1, 0x20, 4, 1, 2, 3}), 0xFE00) << "CRC shorter than five";
    EXPECT_EQ(load({0, 0, 0x7F, 0x7F, 1, 0}), 0xFE00) << "beyond the tag";
}

// Flag data cut off by the declared size is taken as absent: the size still
// says where the frames begin.
TEST(TagExtendedHeader, Version4FlagDataBeyondTheSizeIsAbsent) {
    for (const Bytes& header : {Bytes{0, 0, 0, 6, 1, 0x40}, Bytes{0, 0, 0, 7, 1, 0x20, 5}}) {
        Tid3v2tag tag;
        ASSERT_EQ(LoadBytes(tag, TagBuilder(4).Flags(0x40).Raw(header).Text("TIT2", "Title").Text("TPE1", "Artist").Build()),
                  0x0000);
        EXPECT_EQ(tag.ExtendedHeaderSize(), header.size());
        EXPECT_EQ(tag.Crc(), 0u);
        std::string text;
        EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::Ok);
        EXPECT_EQ(text, "Title");
        EXPECT_EQ(tag.GetTextFrame("TPE1", text), TextCode::Ok);
        EXPECT_EQ(text, "Artist");
    }
}

TEST(TagFrameIndex, AddFrameAndRange) {
    TFrameIndex frames;
    EXPECT_EQ(frames.AddFrame("TIT"), 0u);
    EXPECT_EQ(frames.AddFrame("TIT2x"), 0u);
    EXPECT_EQ(frames.AddFrame("T-T2"), 0u);
    EXPECT_EQ(frames.AddFrame("tit2"), 1u);
    EXPECT_EQ(frames.AddFrame("APIC"), 2u);
    EXPECT_EQ(frames.FrameId(1), "TIT2");
    EXPECT_EQ(frames.Find("APIC"), 2u);
    EXPECT_EQ(frames.Find("apic"), 0u);
    EXPECT_THROW(frames.FrameId(0), FrameRangeError);
    EXPECT_THROW(frames.SetData(3, {}), FrameRangeError);
    try {
        frames.Decompress(7);
        FAIL();
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "Array range out of bounds.");
    }
    frames.Clear();
    EXPECT_EQ(frames.Count(), 0u);
}

}  // namespace
}  // namespace plk::test
