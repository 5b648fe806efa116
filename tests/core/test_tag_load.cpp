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
    EXPECT_EQ(loadBytes(tag, toBytes("TAG-not-id3-at-all")), 0x1000);
    Bytes badSize = TagBuilder(3).text("TIT2", "x").build();
    badSize[7] = 0x80;
    EXPECT_EQ(loadBytes(tag, badSize), 0x1000);
    Bytes badVersion = TagBuilder(3).build();
    badVersion[3] = 0xFF;
    EXPECT_EQ(loadBytes(tag, badVersion), 0x1000);
    Bytes badRevision = TagBuilder(3).build();
    badRevision[4] = 0xFF;
    EXPECT_EQ(loadBytes(tag, badRevision), 0x1000);
    EXPECT_EQ(loadBytes(tag, Bytes{'I', 'D', '3', 3, 0, 0, 0, 0, 0}), 0x1000) << "fewer than 10 bytes";
    EXPECT_EQ(tag.statusText(), "Loading tag");
    EXPECT_FALSE(tag.loadComplete());
}

TEST(TagHeaderCheck, FileAndOffsetFailures) {
    Tid3v2tag tag;
    EXPECT_EQ(tag.LoadFromFile("/nonexistent/plinkety/song.mp3", 0), 0x0100);
    const Bytes bytes = TagBuilder(3).text("TIT2", "Title").build();
    EXPECT_EQ(loadBytes(tag, bytes, bytes.size()), 0x0800);
    EXPECT_EQ(loadBytes(tag, bytes, bytes.size() + 100), 0x0800);
    EXPECT_EQ(loadBytes(tag, bytes, bytes.size() - 9), 0x1000);
    // Only the low 32 bits of the offset count.
    EXPECT_EQ(loadBytes(tag, bytes, 0x100000000ull), 0x0000);
}

TEST(TagHeaderCheck, TagAtAnOffset) {
    Tid3v2tag tag;
    const Bytes bytes = concat({Bytes(300, 0x55), TagBuilder(4).text("TIT2", "Later").build()});
    EXPECT_EQ(loadBytes(tag, bytes, 300), 0x0000);
    EXPECT_EQ(tag.tagOffset(), 300u);
    EXPECT_EQ(tag.frameIndex().frameOffset(1), 10u);
}

TEST(TagHeaderCheck, UnsupportedVersionsLeaveTheFramesAlone) {
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).text("TIT2", "Kept").build()), 0x0000);
    Bytes v22 = toBytes("ID3\x02");
    v22.insert(v22.end(), {0, 0, 0, 0, 0, 10});
    v22.insert(v22.end(), {'T', 'T', '2', 0, 0, 4, 0, 'A', 'B', 'C'});
    EXPECT_EQ(loadBytes(tag, v22), 0x1100);
    EXPECT_EQ(tag.majorVersion(), 2);
    EXPECT_EQ(tag.lastResult(), 0x0000) << "last result only changes when a version is parsed";
    EXPECT_FALSE(tag.loadComplete());
    ASSERT_EQ(tag.frameIndex().count(), 1u);
    EXPECT_EQ(tag.frameIndex().frameId(1), "TIT2");
    EXPECT_EQ(loadBytes(tag, TagBuilder(5).build()), 0x1100);
}

TEST(TagHeaderCheck, RevisionIsAWarningUnlessRefused) {
    Tid3v2tag tag;
    const Bytes bytes = TagBuilder(4, 1).text("TIT2", "Rev").build();
    EXPECT_EQ(loadBytes(tag, bytes), 0x0010);
    EXPECT_EQ(tag.revision(), 1);
    EXPECT_EQ(tag.lastResult(), 0x0010);
    tag.setAcceptRevisions(false);
    EXPECT_EQ(loadBytes(tag, bytes), 0x1100);
}

TEST(TagHeaderCheck, UndefinedHeaderFlagsWarn) {
    Tid3v2tag tag;
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).flags(0x10).text("TIT2", "x").build()), 0x0080);
    EXPECT_FALSE(tag.footerPresent()) << "version 3 has no footer flag";
    EXPECT_EQ(loadBytes(tag, TagBuilder(4).flags(0x10).text("TIT2", "x").build()), 0x0000);
    EXPECT_TRUE(tag.footerPresent());
    EXPECT_EQ(loadBytes(tag, TagBuilder(4).flags(0x21).text("TIT2", "x").build()), 0x0080);
    EXPECT_TRUE(tag.experimental());
    EXPECT_EQ(tag.headerFlags(), 0x20);
}

TEST(TagHeaderCheck, FileShorterThanTheTag) {
    Tid3v2tag tag;
    Bytes bytes = TagBuilder(3).text("TIT2", "Cut").build();
    bytes.pop_back();
    EXPECT_EQ(loadBytes(tag, bytes), 0x2000);
    EXPECT_TRUE(tag.loadComplete()) << "the version dispatch ran";
    EXPECT_EQ(tag.lastResult(), 0x2000);
}

TEST(TagLoadState, ReportsProgressAndStatus) {
    Tid3v2tag tag;
    EXPECT_TRUE(tag.loadComplete());
    EXPECT_EQ(tag.majorVersion(), 3);
    ASSERT_EQ(loadBytes(tag, TagBuilder(4).flags(0x40).raw({0, 0, 0, 6, 1, 0}).text("TIT2", "x").build()), 0);
    EXPECT_EQ(tag.progress(), 100);
    EXPECT_EQ(tag.statusText(), "Load Complete");
    EXPECT_TRUE(tag.loadComplete());
    EXPECT_FALSE(tag.modified());
    EXPECT_FALSE(tag.fileName().empty());
    tag.setTagIsUpdate(true);
    EXPECT_TRUE(tag.modified());
    EXPECT_EQ(tag.extendedFlags(), 0x40);
    tag.setTagIsUpdate(false);
    tag.setUnsynchronisation(true);
    EXPECT_EQ(tag.headerFlags(), 0xC0);
}

TEST(TagLoadState, ReadOnlyAttribute) {
    Tid3v2tag tag;
    TempFile file(TagBuilder(3).text("TIT2", "x").build());
    ASSERT_EQ(tag.LoadFromFile(file.path(), 0), 0);
    EXPECT_FALSE(tag.readOnly());
    // Hidden counts too (a leading dot, in the POSIX file layer).
    const std::string hidden = file.path().substr(0, file.path().rfind('/') + 1) + ".plk-hidden-tag.mp3";
    ASSERT_EQ(std::rename(file.path().c_str(), hidden.c_str()), 0);
    EXPECT_EQ(tag.LoadFromFile(hidden, 0), 0);
    EXPECT_TRUE(tag.readOnly());
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
                            .text("TIT2", "Title")
                            .frame("tpe1", textBody(0, "Artist"), 0x60, 0x00)
                            .frame("TALB", textBody(0, "Album"), 0x00, 0x40, {0x07})
                            .build();
    ASSERT_EQ(loadBytes(tag, bytes), 0x0000);
    const TFrameIndex& frames = tag.frameIndex();
    ASSERT_EQ(frames.count(), 3u);
    EXPECT_EQ(frames.frameId(2), "TPE1") << "IDs are upper-cased";
    EXPECT_EQ(frames.frameOffset(1), 10u);
    EXPECT_EQ(frames.headerLength(1), 10u);
    EXPECT_EQ(frames.frameOffset(2), 10u + 10 + 6);
    EXPECT_EQ(frames.statusFlags(2), 0x60);
    EXPECT_EQ(frames.formatFlags(3), 0x40);
    EXPECT_EQ(frames.groupIdentifier(3), 0x07);
    EXPECT_EQ(frames.headerLength(3), 11u);
    EXPECT_EQ(str(frames.data(3)), str(textBody(0, "Album")));
    EXPECT_TRUE(frames.modified(1));
    EXPECT_EQ(tag.paddingSize(), 0u);
}

TEST(TagFrames, Version3FlagsAreTranslated) {
    Tid3v2tag tag;
    const Bytes bytes = TagBuilder(3)
                            .frame("TIT2", textBody(0, "x"), 0xE0, 0x60, {0x81, 0x05})  // encrypted, grouped
                            .frame("TPE1", zlibCompress(textBody(0, "Artist")), 0x00, 0x80,
                                   bigEndianBytes(7))  // compressed
                            .build();
    ASSERT_EQ(loadBytes(tag, bytes), 0x0000);
    const TFrameIndex& frames = tag.frameIndex();
    EXPECT_EQ(frames.statusFlags(1), 0x70);
    EXPECT_EQ(frames.formatFlags(1), 0x44);
    EXPECT_EQ(frames.encryptionMethod(1), 0x81);
    EXPECT_EQ(frames.groupIdentifier(1), 0x05);
    EXPECT_EQ(frames.headerLength(1), 12u);
    EXPECT_EQ(frames.formatFlags(2), 0x09);
    EXPECT_EQ(frames.formatFlagsAsRead(2), 0x09);
    EXPECT_EQ(frames.dataLength(2), 7u);
    EXPECT_EQ(frames.data(2), zlibCompress(textBody(0, "Artist"))) << "stored still compressed";
}

TEST(TagFrames, Version4ExtraBytesInTheirOrder) {
    Tid3v2tag tag;
    // grouping, encryption, data length indicator
    const Bytes bytes = TagBuilder(4).frame("TIT2", textBody(0, "x"), 0, 0x45, concat({{9, 3}, synchSafeBytes(300)})).build();
    ASSERT_EQ(loadBytes(tag, bytes), 0x0000);
    EXPECT_EQ(tag.frameIndex().groupIdentifier(1), 9);
    EXPECT_EQ(tag.frameIndex().encryptionMethod(1), 3);
    EXPECT_EQ(tag.frameIndex().dataLength(1), 300u);
    EXPECT_EQ(tag.frameIndex().headerLength(1), 16u);
}

// Some writers stored version 4 frame sizes as plain numbers; read unmasked,
// a size byte of 0x80 or more still gives their size.
TEST(TagFrames, Version4SizeBytesAreNotMasked) {
    Tid3v2tag tag;
    const Bytes body = textBody(0, std::string(132, 'x'));  // 133 bytes: 00 00 00 85
    const Bytes bytes = TagBuilder(4).raw(concat({toBytes("TIT2"), {0, 0, 0, 0x85, 0, 0}, body})).text("TPE1", "After").build();
    ASSERT_EQ(loadBytes(tag, bytes), 0x0000);
    ASSERT_EQ(tag.frameIndex().count(), 2u);
    EXPECT_EQ(tag.frameIndex().dataSize(1), 133u);
    EXPECT_EQ(tag.frameIndex().frameId(2), "TPE1");
}

// Z is a frame ID letter like any other (TSIZ is a standard version 3 frame).
TEST(TagFrames, FrameIdWithZIsAccepted) {
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).text("TSIZ", "1234").text("TIT2", "Title").build()), 0x0000);
    ASSERT_EQ(tag.frameIndex().count(), 2u);
    EXPECT_EQ(tag.frameIndex().frameId(1), "TSIZ");
}

TEST(TagFrames, BadFrameIdStopsWithTheFramesBeforeIt) {
    Tid3v2tag tag;
    const Bytes bytes = TagBuilder(3).text("TIT2", "One").text("TP 1", "Two").text("TALB", "Three").build();
    EXPECT_EQ(loadBytes(tag, bytes), 0x2100);
    ASSERT_EQ(tag.frameIndex().count(), 1u);
    EXPECT_EQ(tag.frameIndex().frameId(1), "TIT2");
    EXPECT_EQ(tag.lastResult(), 0x2100);
}

TEST(TagFrames, CorruptSizes) {
    Tid3v2tag tag;
    // A frame claiming more than the tag holds.
    Bytes big = TagBuilder(4).text("TIT2", "x").build();
    big[10 + 7] = 0x7F;
    EXPECT_EQ(loadBytes(tag, big), 0xFE00);
    // Extra bytes beyond the frame's size.
    EXPECT_EQ(loadBytes(tag, TagBuilder(4).frame("TIT2", {}, 0, 0x01, {0, 0}).padding(10).build()), 0xFE00);
    // A frame header with nothing after it and no padding.
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).text("TIT2", "x").frame("TPE1", {}).build()), 0xFE00);
    // A short stub at the end.
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).text("TIT2", "x").raw({'T', 'P'}).build()), 0xFE00);
    // Warnings survive a failure.
    EXPECT_EQ(loadBytes(tag, TagBuilder(3, 2).text("TIT2", "x").raw({'T', 'P'}).build()), 0xFE10);
}

TEST(TagPadding, ZeroSizeAndAllPadding) {
    Tid3v2tag tag;
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).build()), 0x0000);
    EXPECT_EQ(tag.frameIndex().count(), 0u);
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).padding(10).build()), 0x0000);
    EXPECT_EQ(tag.paddingSize(), 10u);
    EXPECT_EQ(loadBytes(tag, TagBuilder(4).padding(4000).build()), 0x0000);
    EXPECT_EQ(tag.paddingSize(), 4000u);
    EXPECT_EQ(loadBytes(tag, TagBuilder(4).padding(3).build()), 0x0000) << "a short all-zero rest is padding";
    EXPECT_EQ(tag.paddingSize(), 3u);
}

TEST(TagPadding, MeasuredAfterFramesAndMp3eMarker) {
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, TagBuilder(4).text("TIT2", "x").padding(100).build()), 0x0000);
    EXPECT_EQ(tag.paddingSize(), 100u);
    EXPECT_EQ(tag.frameIndex().count(), 1u);
    const Bytes marker = concat({toBytes("MP3e"), {0xFF, 0xFB, 0x90, 0x44, 1, 2}, Bytes(20, 0x33)});
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).text("TIT2", "x").raw(marker).build()), 0x0000);
    EXPECT_EQ(tag.paddingSize(), 30u);
    EXPECT_EQ(tag.frameIndex().count(), 1u);
}

TEST(TagExtendedHeader, Version3PaddingAndCrc) {
    Tid3v2tag tag;
    const Bytes plain = {0, 0, 0, 6, 0, 0, 0, 0, 0, 50};
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).flags(0x40).raw(plain).text("TIT2", "x").padding(50).build()), 0x0000);
    EXPECT_EQ(tag.extendedHeaderSize(), 6u);
    EXPECT_EQ(tag.paddingSize(), 50u);
    EXPECT_FALSE(tag.crcPresent());

    EXPECT_EQ(loadBytes(tag, TagBuilder(3).flags(0x40).raw(plain).text("TIT2", "x").padding(40).build()), 0x0004);
    EXPECT_EQ(tag.paddingSize(), 50u) << "the declared value is kept";

    const Bytes withCrc = {0, 0, 0, 10, 0x80, 0, 0, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF};
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).flags(0x40).raw(withCrc).text("TIT2", "x").padding(8).build()), 0x0000);
    EXPECT_TRUE(tag.crcPresent());
    EXPECT_EQ(tag.crc(), 0xDEADBEEFu);
    EXPECT_EQ(tag.paddingSize(), 8u) << "none declared: measured";
    EXPECT_EQ(tag.frameIndex().frameOffset(1), 24u);

    // The CRC flag with a size of 6 announces no CRC bytes.
    const Bytes flagOnly = {0, 0, 0, 6, 0x80, 0, 0, 0, 0, 0};
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).flags(0x40).raw(flagOnly).text("TIT2", "x").build()), 0x0000);
    EXPECT_EQ(tag.crc(), 0u);
    EXPECT_EQ(tag.frameIndex().frameId(1), "TIT2");
}

TEST(TagExtendedHeader, Version3UnknownFlagsAndShortTags) {
    Tid3v2tag tag;
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).flags(0x40).raw({0, 0, 0, 6, 0x40, 0, 0, 0, 0, 0}).text("TIT2", "x").build()),
              0x0040);
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).flags(0x40).raw({0, 0, 0, 6, 0, 1, 0, 0, 0, 0}).text("TIT2", "x").build()),
              0x0040);
    // CRC announced but the tag ends first.
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).flags(0x40).raw({0, 0, 0, 10, 0x80, 0, 0, 0, 0, 0, 1, 2}).build()), 0xFE00);
    // Flag set but no room for the header: read as frames (here, padding).
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).flags(0x40).padding(10).build()), 0x0000);
    EXPECT_EQ(tag.extendedHeaderSize(), 0u);
}

TEST(TagExtendedHeader, Version4FlagData) {
    Tid3v2tag tag;
    // size 15: update (no data), CRC (5 bytes), restrictions (1 byte)
    const Bytes header = {0, 0, 0, 15, 1, 0x70, 0, 5, 0x0F, 0x7F, 0x7F, 0x7F, 0x7F, 1, 0x5A};
    ASSERT_EQ(loadBytes(tag, TagBuilder(4).flags(0x40).raw(header).text("TIT2", "x").build()), 0x0000);
    EXPECT_EQ(tag.extendedHeaderSize(), 15u);
    EXPECT_TRUE(tag.tagIsUpdate());
    EXPECT_TRUE(tag.crcPresent());
    EXPECT_TRUE(tag.restrictionsPresent());
    EXPECT_EQ(tag.crc(), 0xFFFFFFFFu) << "35 bits kept to 32";
    EXPECT_EQ(tag.restrictions(), 0x5A);
    EXPECT_EQ(tag.frameIndex().frameOffset(1), 25u);

    // A loaded version 3 tag does not inherit the version 4 flags.
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).text("TIT2", "x").build()), 0x0000);
    EXPECT_EQ(tag.extendedFlags(), 0);
    EXPECT_EQ(tag.restrictions(), 0);
}

TEST(TagExtendedHeader, Version4SkipsUndefinedDataAndWarns) {
    Tid3v2tag tag;
    // bit 0x80 with two bytes of data, then restrictions
    const Bytes header = {0, 0, 0, 11, 1, 0x90, 2, 0xAA, 0xBB, 1, 0x33};
    EXPECT_EQ(loadBytes(tag, TagBuilder(4).flags(0x40).raw(header).text("TIT2", "x").build()), 0x0040);
    EXPECT_EQ(tag.restrictions(), 0x33);
    EXPECT_EQ(tag.frameIndex().count(), 1u);
    // two flag bytes
    EXPECT_EQ(loadBytes(tag, TagBuilder(4).flags(0x40).raw({0, 0, 0, 7, 2, 0, 0}).text("TIT2", "x").build()), 0x0040);
}

TEST(TagExtendedHeader, Version4Contradictions) {
    Tid3v2tag tag;
    auto load = [&](const Bytes& header) {
        return loadBytes(tag, TagBuilder(4).flags(0x40).raw(header).text("TIT2", "x").build());
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
        ASSERT_EQ(loadBytes(tag, TagBuilder(4).flags(0x40).raw(header).text("TIT2", "Title").text("TPE1", "Artist").build()),
                  0x0000);
        EXPECT_EQ(tag.extendedHeaderSize(), header.size());
        EXPECT_EQ(tag.crc(), 0u);
        EXPECT_EQ(textOf(tag, "TIT2"), "Title");
        EXPECT_EQ(textOf(tag, "TPE1"), "Artist");
    }
}

TEST(TagFrameIndex, AddFrameAndRange) {
    TFrameIndex frames;
    EXPECT_EQ(frames.AddFrame("TIT"), 0u);
    EXPECT_EQ(frames.AddFrame("TIT2x"), 0u);
    EXPECT_EQ(frames.AddFrame("T-T2"), 0u);
    EXPECT_EQ(frames.AddFrame("tit2"), 1u);
    EXPECT_EQ(frames.AddFrame("APIC"), 2u);
    EXPECT_EQ(frames.frameId(1), "TIT2");
    EXPECT_EQ(frames.find("APIC"), 2u);
    EXPECT_EQ(frames.find("apic"), 0u);
    EXPECT_THROW(frames.frameId(0), FrameRangeError);
    EXPECT_THROW(frames.setData(3, {}), FrameRangeError);
    try {
        frames.Decompress(7);
        FAIL();
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "Array range out of bounds.");
    }
    frames.Clear();
    EXPECT_EQ(frames.count(), 0u);
}

}  // namespace
}  // namespace plk::test
