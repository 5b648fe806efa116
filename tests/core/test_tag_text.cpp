// Text of text frames: every text code, the five encodings, per-frame
// unsynchronisation, compression with its bound, encryption.
#include <gtest/gtest.h>

#include <chrono>

#include "tags/FrameInflate.h"
#include "tags/TagCodes.h"
#include "tags/TextDecoder.h"
#include "tests/core/TagTesting.h"

namespace plk::test {
namespace {

struct Decoded {
    std::uint8_t code;
    std::string text;
};

// Decodes one frame body (encoding byte first) the way GetTextFrame does.
Decoded decodeBody(std::uint8_t version, const Bytes& body) {
    Tid3v2tag tag;
    const std::uint16_t load = loadBytes(tag, TagBuilder(version).frame("TIT2", body).padding(4).build());
    EXPECT_EQ(load, 0);
    Decoded decoded;
    decoded.code = tag.GetTextFrame("TIT2", decoded.text);
    return decoded;
}

Decoded decode(std::uint8_t encoding, const Bytes& text) { return decodeBody(4, textBody(encoding, text)); }

TEST(TextRequest, OnlyPlainTextFramesAreServed) {
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).text("TXXX", "desc").text("TIT2", "T").text("COMM", "c").build()), 0);
    std::string text = "stale";
    EXPECT_EQ(tag.GetTextFrame("TXXX", text), TextCode::kNotServed);
    EXPECT_EQ(text, "");
    EXPECT_EQ(tag.GetTextFrame("tit2", text), TextCode::kNotServed);
    EXPECT_EQ(tag.GetTextFrame("COMM", text), TextCode::kNotServed);
    EXPECT_EQ(tag.GetTextFrame("TIT", text), TextCode::kNotServed);
    EXPECT_EQ(tag.GetTextFrame("TIT22", text), TextCode::kNotServed);
    EXPECT_EQ(tag.GetTextFrame("TPE1", text), TextCode::kNoSuchFrame);
}

TEST(TextRequest, LowerCaseStoredIdAndFirstOfTwo) {
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).text("tit2", "First").text("TIT2", "Second").build()), 0);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::kOk);
    EXPECT_EQ(text, "First");
}

TEST(TextRequest, EmptyFrames) {
    EXPECT_EQ(decodeBody(3, {}).code, TextCode::kEmpty);
    EXPECT_EQ(decodeBody(3, {0}).code, TextCode::kEmpty);
    EXPECT_EQ(decodeBody(3, {3}).code, TextCode::kEmpty);
    EXPECT_EQ(decodeBody(3, {7}).code, TextCode::kUnknownEncoding);
    const Decoded unknown = decode(4, toBytes("text"));
    EXPECT_EQ(unknown.code, TextCode::kUnknownEncoding);
    EXPECT_EQ(unknown.text, "");
}

TEST(TextLatin1, TerminatorsStayAndControlsInvalidate) {
    Decoded d = decode(0, Bytes{'A', 'B', 'C', 0});
    EXPECT_EQ(d.code, TextCode::kOk);
    EXPECT_EQ(d.text, std::string("ABC\0", 4));
    d = decode(0, Bytes{0});
    EXPECT_EQ(d.code, TextCode::kOk);
    EXPECT_EQ(d.text, std::string(1, '\0'));
    d = decode(0, toBytes("Tab\there"));
    EXPECT_EQ(d.code, TextCode::kInvalid);
    EXPECT_EQ(d.text, "");
    d = decode(0, toBytes("Line\nbreak"));
    EXPECT_EQ(d.code, TextCode::kOk);
    EXPECT_EQ(d.text, "Line\n");
    d = decode(0, toBytes("CR\rx"));
    EXPECT_EQ(d.text, "CR\r");
    d = decode(0, Bytes{'A', 0, 'B'});
    EXPECT_EQ(d.text, std::string("A\0", 2)) << "the text ends at its NUL";
    d = decode(0, Bytes{0xC9, 0x74, 0xE9});
    EXPECT_EQ(d.text, "\xC9t\xE9");
}

TEST(TextUtf16, ByteOrderMarks) {
    Decoded d = decode(1, Bytes{0xFF, 0xFE, 'A', 0, 0xE9, 0});
    EXPECT_EQ(d.code, TextCode::kOk);
    EXPECT_EQ(d.text, "A\xE9");
    d = decode(1, Bytes{0xFE, 0xFF, 0, 'A', 0, 'B', 0, 0, 0, 'C'});
    EXPECT_EQ(d.text, "AB") << "0x0000 ends the text and is dropped";
    d = decode(1, Bytes{'A', 0, 'B', 0});
    EXPECT_EQ(d.code, TextCode::kInvalid);
    EXPECT_EQ(d.text, "");
    d = decode(1, Bytes{0xFF});
    EXPECT_EQ(d.code, TextCode::kInvalid);
    d = decode(1, Bytes{0xFF, 0xFE});
    EXPECT_EQ(d.code, TextCode::kOk);
    EXPECT_EQ(d.text, "");
}

TEST(TextUtf16, BeyondLatin1ControlsAndOddBytes) {
    Decoded d = decode(2, Bytes{0, 'O', 0, 'K', 0x20, 0xAC, 0, 'x'});
    EXPECT_EQ(d.code, TextCode::kBeyondLatin1);
    EXPECT_EQ(d.text, "OK");
    d = decode(2, Bytes{0, 'A', 0, 0x0A, 0, 'B'});
    EXPECT_EQ(d.code, TextCode::kInvalid);
    EXPECT_EQ(d.text, "");
    d = decode(9, Bytes{'L', 0, 'E', 0, 'x'});
    EXPECT_EQ(d.code, TextCode::kOk);
    EXPECT_EQ(d.text, "LE") << "a trailing odd byte is ignored";
    d = decode(9, Bytes{'x'});
    EXPECT_EQ(d.code, TextCode::kOk);
    EXPECT_EQ(d.text, "");
}

TEST(TextUtf8, Latin1RangeOnly) {
    Decoded d = decode(3, Bytes{0x42, 0x6A, 0xC3, 0xB6, 0x72, 0x6B});
    EXPECT_EQ(d.code, TextCode::kOk);
    EXPECT_EQ(d.text, "Bj\xF6rk");
    d = decode(3, Bytes{'a', 0xE2, 0x82, 0xAC});
    EXPECT_EQ(d.code, TextCode::kBeyondLatin1);
    EXPECT_EQ(d.text, "a");
    d = decode(3, Bytes{'a', 0xC3});
    EXPECT_EQ(d.code, TextCode::kInvalid);
    EXPECT_EQ(d.text, "a") << "a cut-off pair keeps the text before it";
    d = decode(3, Bytes{'(', 0xA9, ')'});
    EXPECT_EQ(d.text, "())") << "a stray continuation byte is its six low bits";
    d = decode(3, Bytes{'x', 0x81});
    EXPECT_EQ(d.code, TextCode::kInvalid) << "which may be a control character";
    d = decode(3, Bytes{'x', 0xC0, 0x80, 'y'});
    EXPECT_EQ(d.text, std::string("x\0", 2));
    d = decode(3, toBytes("a\tb"));
    EXPECT_EQ(d.code, TextCode::kInvalid);
    EXPECT_EQ(d.text, "");
}

TEST(TextUtf8, LeadByteC4IsTheFirstBeyondLatin1) {
    const Decoded d = decode(3, Bytes{'a', 0xC4, 0x80});  // U+0100
    EXPECT_EQ(d.code, TextCode::kBeyondLatin1);
    EXPECT_EQ(d.text, "a");
}

// Only the Latin-1 text may end in a line break; in UTF-8 it is a control
// character like any other.
TEST(TextUtf8, LineBreaksInvalidateUnlikeLatin1) {
    for (const std::string text : {"AB\nC", "AB\rC"}) {
        const Decoded latin1 = decode(0, toBytes(text));
        EXPECT_EQ(latin1.code, TextCode::kOk);
        EXPECT_EQ(latin1.text, text.substr(0, 3));
        const Decoded utf8 = decode(3, toBytes(text));
        EXPECT_EQ(utf8.code, TextCode::kInvalid);
        EXPECT_EQ(utf8.text, "");
    }
}

TEST(TextEncrypted, IsNeverDecoded) {
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, TagBuilder(4).frame("TIT2", textBody(0, "secret"), 0, 0x04, {0x80}).build()), 0);
    std::string text = "x";
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::kEncrypted);
    EXPECT_EQ(text, "");
    EXPECT_EQ(tag.frameIndex().Decompress(1), 1);
}

TEST(TextCompressed, Version3InflatesOnce) {
    Tid3v2tag tag;
    const Bytes body = textBody(0, "Compressed title");
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).frame("TIT2", zlibCompress(body), 0, 0x80, bigEndianBytes(body.size())).build()),
              0);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::kOk);
    EXPECT_EQ(text, "Compressed title");
    const TFrameIndex& frames = tag.frameIndex();
    EXPECT_EQ(frames.formatFlags(1), 0x01);
    EXPECT_EQ(frames.formatFlagsAsRead(1), 0x09);
    EXPECT_EQ(frames.dataLength(1), 0u);
    EXPECT_EQ(frames.data(1), body);
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::kOk) << "the second request decodes the inflated data";
    EXPECT_EQ(text, "Compressed title");
    EXPECT_EQ(tag.frameIndex().Decompress(1), -1);
}

TEST(TextCompressed, Version4WithUnsynchronisationAndWrongLength) {
    Tid3v2tag tag;
    const Bytes body = textBody(0, "Both");
    const Bytes stored = unsynchronise(zlibCompress(body));
    ASSERT_EQ(loadBytes(tag, TagBuilder(4).frame("TIT2", stored, 0, 0x0B, synchSafeBytes(99)).build()), 0);
    EXPECT_EQ(tag.frameIndex().Decompress(1), 2) << "unsynchronisation first";
    ASSERT_EQ(tag.frameIndex().RemoveUnsynchronisation(1), 0);
    EXPECT_EQ(tag.frameIndex().RemoveUnsynchronisation(1), -1);
    EXPECT_EQ(tag.frameIndex().Decompress(1), -2) << "declared 99, inflated 5: used all the same";
    EXPECT_EQ(tag.frameIndex().data(1), body);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::kOk);
    EXPECT_EQ(text, "Both");
}

TEST(TextCompressed, ZlibFailureLeavesTheFrame) {
    Tid3v2tag tag;
    const Bytes garbage = textBody(0, "not zlib");
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).frame("TIT2", garbage, 0, 0x80, bigEndianBytes(40)).build()), 0);
    EXPECT_EQ(tag.frameIndex().Decompress(1), 4);
    EXPECT_EQ(tag.frameIndex().data(1), garbage);
    EXPECT_EQ(tag.frameIndex().formatFlags(1), 0x09);
    EXPECT_EQ(tag.frameIndex().dataLength(1), 40u);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::kOk) << "decoded as it stands";
    EXPECT_EQ(text, "not zlib");

    // A stream cut short is a failure too.
    Bytes cut = zlibCompress(textBody(0, std::string(500, 'a') + "end"));
    cut.resize(cut.size() / 2);
    ASSERT_EQ(loadBytes(tag, TagBuilder(3).frame("TIT2", cut, 0, 0x80, bigEndianBytes(504)).build()), 0);
    EXPECT_EQ(tag.frameIndex().Decompress(1), 4);
}

// A few kilobytes that inflate to far more than any text frame.
TEST(TextCompressed, ZlibBombIsRefusedQuickly) {
    const Bytes bomb = zlibCompress(Bytes(64u << 20, 'A'));
    ASSERT_LT(bomb.size(), 300000u);
    Tid3v2tag tag;
    for (const std::uint32_t declared : {0u, 16u, 0x7FFFFFFFu}) {
        ASSERT_EQ(loadBytes(tag, TagBuilder(3).frame("TIT2", bomb, 0, 0x80, bigEndianBytes(declared)).build()), 0);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(tag.frameIndex().Decompress(1), 4) << "declared " << declared;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(tag.frameIndex().data(1), bomb);
        EXPECT_EQ(tag.frameIndex().formatFlags(1), 0x09);
    }
}

TEST(TextCompressed, BoundFollowsTheDeclaredLength) {
    EXPECT_EQ(inflateLimit(0), kInflateLimitUndeclared);
    EXPECT_EQ(inflateLimit(100), kInflateLimitUndeclared);
    EXPECT_EQ(inflateLimit(3u << 20), 3u << 20);
    EXPECT_EQ(inflateLimit(0xFFFFFFFFu), kInflateLimitHard);

    Bytes out;
    const Bytes atLimit(kInflateLimitUndeclared, 'x');
    ASSERT_TRUE(inflateFrame(zlibCompress(atLimit), 0, out));
    EXPECT_EQ(out, atLimit);
    const Bytes overLimit(kInflateLimitUndeclared + 1, 'x');
    EXPECT_FALSE(inflateFrame(zlibCompress(overLimit), 0, out));
    // An honestly declared large frame (a picture) still inflates.
    const Bytes picture(5u << 20, 'p');
    ASSERT_TRUE(inflateFrame(zlibCompress(picture), picture.size(), out));
    EXPECT_EQ(out.size(), picture.size());
    EXPECT_FALSE(inflateFrame(zlibCompress(Bytes(kInflateLimitHard + 1, 'p')), 0xFFFFFFFFu, out));
}

TEST(TextFrameUnsynchronisation, Version4Frames) {
    Tid3v2tag tag;
    ASSERT_EQ(loadBytes(tag, TagBuilder(4)
                                 .frame("TIT2", {0, 'A', 0xFF, 0x00, 0xE0, 0xFF, 0x00, 0x41, 0xFF, 0x00}, 0, 0x02)
                                 .frame("TPE1", {0, 0xFF, 0x00, 0x00, 0x00, 'B'}, 0, 0x02)
                                 .build()),
              0);
    TFrameIndex& frames = tag.frameIndex();
    EXPECT_EQ(frames.Decompress(1), 2);
    ASSERT_EQ(frames.RemoveUnsynchronisation(1), 0);
    EXPECT_EQ(frames.data(1), (Bytes{0, 'A', 0xFF, 0xE0, 0xFF, 0x00, 0x41, 0xFF}));
    EXPECT_EQ(frames.formatFlags(1), 0x00);
    EXPECT_EQ(frames.formatFlagsAsRead(1), 0x02);
    EXPECT_EQ(frames.Decompress(1), -1);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TPE1", text), TextCode::kOk);
    EXPECT_EQ(text, std::string("\xFF\0", 2)) << "only the inserted zero goes";
    EXPECT_EQ(frames.data(2), (Bytes{0, 0xFF, 0x00, 0x00, 'B'}));
}

TEST(TextDecoderDirect, NeverReadsPastItsData) {
    // Each case decodes from a buffer exactly as long as its data, so the
    // sanitizer catches a read beyond it.
    std::string text;
    for (std::uint8_t encoding : {0, 1, 2, 3, 9}) {
        for (const Bytes& data : {Bytes{0xC3}, Bytes{0xFF}, Bytes{0xFE, 0xFF, 0x00}, Bytes{'a', 0xC2}}) {
            auto copy = std::make_unique<std::uint8_t[]>(data.size());
            std::copy(data.begin(), data.end(), copy.get());
            DecodeText(copy.get(), data.size(), encoding, text);
        }
        EXPECT_EQ(DecodeText(nullptr, 0, encoding, text), TextCode::kEmpty);
    }
}

}  // namespace
}  // namespace plk::test
