// Whole-tag unsynchronisation (version 3), undone inside the 64 KiB circular
// read buffer, and the buffer's streaming of tags larger than itself.
#include <gtest/gtest.h>

#include <random>

#include "tags/SynchData.h"
#include "tags/TagCodes.h"
#include "tests/core/TagTesting.h"

namespace plk::test {
namespace {

// Bytes dense in 0xFF, 0x00 and 0xE0+, so that every pattern the rule knows
// turns up often, segment ends and the buffer's wrap included.
Bytes trickyBytes(std::size_t count, std::mt19937& random) {
    static const std::uint8_t alphabet[] = {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xE0, 0xF3, 0x41, 0xDF};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1);
    Bytes bytes(count);
    for (auto& b : bytes) b = alphabet[pick(random)];
    return bytes;
}

struct BuiltTag {
    Bytes file;
    std::vector<Bytes> frames;  // the bodies as the reader must deliver them
};

// A version 3 tag of frames holding tricky bytes, unsynchronised as a writer
// does, ending in padding.
BuiltTag trickyTag(std::size_t targetSize, std::uint32_t seed, std::size_t firstFrame = 100) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> sizes(1, 40000);
    TagBuilder builder(3);
    BuiltTag built;
    std::size_t total = 0;
    for (std::size_t size = firstFrame; total < targetSize; size = sizes(random)) {
        built.frames.push_back(trickyBytes(size, random));
        builder.frame("PRIV", built.frames.back());
        total += size + 10;
    }
    builder.padding(64).unsynchroniseBody();
    built.file = builder.build();
    return built;
}

void expectFrames(const Tid3v2tag& tag, const std::vector<Bytes>& frames) {
    ASSERT_EQ(tag.frameIndex().count(), frames.size());
    for (std::uint32_t n = 1; n <= frames.size(); ++n)
        ASSERT_EQ(tag.frameIndex().data(n), frames[n - 1]) << "frame " << n;
}

TEST(TagUnsynchronisation, SmallPatterns) {
    Tid3v2tag tag;
    // Stored bytes as they are in the file, flag set by hand.
    const Bytes stored = {0, 'a', 0xFF, 0x00, 0xE0, 0xFF, 0x00, 0x41, 0xFF, 0x00, 0x00, 0x00, 'z'};
    const Bytes frame = concat({toBytes("TIT2"), bigEndianBytes(11), {0, 0}, stored});
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).flags(0x80).raw(frame).build()), 0);
    EXPECT_TRUE(tag.unsynchronisation());
    EXPECT_EQ(tag.frameIndex().data(1), (Bytes{0, 'a', 0xFF, 0xE0, 0xFF, 0x00, 0x41, 0xFF, 0x00, 0x00, 'z'}))
        << "0xFF 0x00 0x00 0x00 loses only its first zero";
}

TEST(TagUnsynchronisation, TextThroughAWriter) {
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).text("TIT2", "\xFF\xE0t\xFF").text("TPE1", "A").unsynchroniseBody().build()), 0);
    EXPECT_EQ(textOf(tag, "TIT2"), "\xFF\xE0t\xFF");
    EXPECT_EQ(textOf(tag, "TPE1"), "A");
}

TEST(TagUnsynchronisation, SizesCountTheRealBytes) {
    // A frame size that counts the stored (inserted) zeros reaches past the
    // tag once they are gone.
    Tid3v2tag tag;
    const Bytes body = {0, 0xFF, 0xE0, 0xFF, 0xE0};
    const Bytes stored = unsynchronise(body);
    const Bytes frame = concat({toBytes("TIT2"), bigEndianBytes(stored.size()), {0, 0}, stored});
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).flags(0x80).raw(frame).build()), 0xFE00);
}

TEST(TagUnsynchronisation, Version4IgnoresTheTagFlag) {
    Tid3v2tag tag;
    const Bytes body = {0, 0xFF, 0x00, 0xE0};
    ASSERT_EQ(loadBytes(tag, TagBuilder(4).flags(0x80).frame("TIT2", body).build()), 0);
    EXPECT_EQ(tag.frameIndex().data(1), body);
}

TEST(TagStreaming, BodyOfExactlyTheBufferSize) {
    for (const std::uint32_t bodySize : {65535u, 65536u, 65537u}) {
        std::mt19937 random(bodySize);
        const Bytes data = trickyBytes(bodySize - 10, random);
        Tid3v2tag tag;
        ASSERT_EQ(loadBytes(tag, TagBuilder(3).frame("PRIV", data).build()), 0) << bodySize;
        EXPECT_EQ(tag.frameIndex().data(1), data) << bodySize;
        EXPECT_EQ(tag.tagSize(), bodySize);
        EXPECT_EQ(tag.progress(), 100);
    }
}

// The first refill comes when the initial 65,536 stored bytes are used up;
// the last of them is judged only then. Here it is the second zero of
// 0xFF 0x00 0x00 and is followed by 0xE0: it stays, because the byte before
// it in the file was the zero that went (0xFF 0x00 0x00 0xE0 -> 0xFF 0x00
// 0xE0). Judging it by the compacted buffer, where 0xFF now precedes it,
// would drop it too.
TEST(TagStreaming, RefillBoundaryInsideAZeroRun) {
    const std::size_t lastOfFirstFill = 65535 - 10;  // body index less the frame header
    Bytes stored(lastOfFirstFill - 2, 0x41);
    stored.insert(stored.end(), {0xFF, 0x00, 0x00, 0xE0});
    stored.insert(stored.end(), 3000, 0x41);
    const Bytes real = referenceDesynchronise(stored);
    ASSERT_EQ(real.size(), stored.size() - 1);
    const Bytes frame = concat({toBytes("PRIV"), bigEndianBytes(real.size()), {0, 0}, stored});
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).flags(0x80).raw(frame).padding(100).build()), 0);
    EXPECT_EQ(tag.frameIndex().data(1), real);
}

// The multi-megabyte tag: streamed through the 64 KiB buffer with every
// unsynchronisation pattern crossing segment ends and the wrap many times,
// it must give the very frames the same tag gives when decoded whole.
TEST(TagStreaming, MultiMegabyteUnsynchronisedTagMatchesWholeDecoding) {
    const BuiltTag built = trickyTag(3u << 20, 7);
    ASSERT_GT(built.file.size(), 3u << 20);
    // The whole-tag rule applied once, independently of the reader, gives
    // back exactly what the writer started from.
    const Bytes storedBody(built.file.begin() + 10, built.file.end());
    TagBuilder plain(3);
    for (const Bytes& frame : built.frames) plain.frame("PRIV", frame);
    plain.padding(64);
    ASSERT_EQ(referenceDesynchronise(storedBody), plain.body());

    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, built.file), 0);
    expectFrames(tag, built.frames);
    EXPECT_EQ(tag.paddingSize(), 64u);
}

// Shifting where the frames start moves every pattern across every buffer
// position in turn.
TEST(TagStreaming, PatternsAtEveryBoundaryOffset) {
    for (std::uint32_t shift = 0; shift < 24; ++shift) {
        const BuiltTag built = trickyTag(200000, 1000 + shift, 16370 + shift);
        Tid3v2tag tag;
        ASSERT_EQ(loadBytes(tag, built.file), 0) << "shift " << shift;
        expectFrames(tag, built.frames);
    }
}

TEST(TagStreaming, LargePlainTagAndRunsOfSynchPatterns) {
    // Not unsynchronised: the bytes pass untouched, wraps and all.
    std::mt19937 random(3);
    TagBuilder builder(4);
    std::vector<Bytes> frames;
    // Mostly frames below the buffer's size, with some far larger ones
    // (pictures) between them.
    for (int k = 0; k < 60; ++k) {
        frames.push_back(trickyBytes(k % 7 == 3 ? 70000 + k * 4099 : 30001 + k * 7, random));
        builder.frame("PRIV", frames.back());
    }
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, builder.build()), 0);
    expectFrames(tag, frames);

    // Long runs of 0xFF 0x00 pairs, the densest removal there is.
    Bytes run;
    for (int k = 0; k < 100000; ++k) run.insert(run.end(), {0xFF, 0x00, 0xFF, 0xE0});
    const Bytes file = TagBuilder(3).frame("PRIV", run).text("TIT2", "after").unsynchroniseBody().build();
    ASSERT_EQ(loadBytes(tag, file), 0);
    EXPECT_EQ(tag.frameIndex().data(1), run);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::kOk);
    EXPECT_EQ(text, "after");
}

TEST(TagStreaming, FrameReachingPastAnUnsynchronisedTail) {
    // The last frame's size counts the inserted zeros of a streamed tag:
    // whether the size check or the read meets it, the reader stops at the
    // real end of the body instead of reading stale buffer bytes.
    Bytes tail;
    for (int k = 0; k < 2000; ++k) tail.insert(tail.end(), {0xFF, 0xE0});
    Bytes big(200000, 0x41);
    Bytes stored = concat({toBytes("PRIV"), bigEndianBytes(big.size()), {0, 0}, big});
    const Bytes unsyncTail = unsynchronise(tail);
    stored = concat({stored, toBytes("PRIV"), bigEndianBytes(unsyncTail.size()), {0, 0}, unsyncTail});
    Tid3v2tag tag;
    EXPECT_EQ(loadBytes(tag, TagBuilder(3).flags(0x80).raw(stored).build()), 0xFE00);
    EXPECT_EQ(tag.frameIndex().count(), 2u);
    EXPECT_EQ(tag.frameIndex().data(1), big);
}

}  // namespace
}  // namespace plk::test
