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
Decoded DecodeBody(std::uint8_t version, const Bytes& body) {
    Tid3v2tag tag;
    const std::uint16_t load = LoadBytes(tag, TagBuilder(version).Frame("TIT2", body).Padding(4).Build());
    EXPECT_EQ(load, 0);
    Decoded decoded;
    decoded.code = tag.GetTextFrame("TIT2", decoded.text);
    return decoded;
}

Decoded Decode(std::uint8_t encoding, const Bytes& text) { return DecodeBody(4, TextBody(encoding, text)); }

TEST(TextRequest, OnlyPlainTextFramesAreServed) {
    Tid3v2tag tag;
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Text("TXXX", "desc").Text("TIT2", "T").Text("COMM", "c").Build()), 0);
    std::string text = "stale";
    EXPECT_EQ(tag.GetTextFrame("TXXX", text), TextCode::NotServed);
    EXPECT_EQ(text, "");
    EXPECT_EQ(tag.GetTextFrame("tit2", text), TextCode::NotServed);
    EXPECT_EQ(tag.GetTextFrame("COMM", text), TextCode::NotServed);
    EXPECT_EQ(tag.GetTextFrame("TIT", text), TextCode::NotServed);
    EXPECT_EQ(tag.GetTextFrame("TIT22", text), TextCode::NotServed);
    EXPECT_EQ(tag.GetTextFrame("TPE1", text), TextCode::NoSuchFrame);
}

TEST(TextRequest, LowerCaseStoredIdAndFirstOfTwo) {
    Tid3v2tag tag;
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Text("tit2", "First").Text("TIT2", "Second").Build()), 0);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::Ok);
    EXPECT_EQ(text, "First");
}

TEST(TextRequest, EmptyFrames) {
    EXPECT_EQ(DecodeBody(3, {}).code, TextCode::Empty);
    EXPECT_EQ(DecodeBody(3, {0}).code, TextCode::Empty);
    EXPECT_EQ(DecodeBody(3, {3}).code, TextCode::Empty);
    EXPECT_EQ(DecodeBody(3, {7}).code, TextCode::UnknownEncoding);
    const Decoded unknown = Decode(4, ToBytes("text"));
    EXPECT_EQ(unknown.code, TextCode::UnknownEncoding);
    EXPECT_EQ(unknown.text, "");
}

TEST(TextLatin1, TerminatorsStayAndControlsInvalidate) {
    Decoded d = Decode(0, Bytes{'A', 'B', 'C', 0});
    EXPECT_EQ(d.code, TextCode::Ok);
    EXPECT_EQ(d.text, std::string("ABC\0", 4));
    d = Decode(0, Bytes{0});
    EXPECT_EQ(d.code, TextCode::Ok);
    EXPECT_EQ(d.text, std::string(1, '\0'));
    d = Decode(0, ToBytes("Tab\there"));
    EXPECT_EQ(d.code, TextCode::Invalid);
    EXPECT_EQ(d.text, "");
    d = Decode(0, ToBytes("Line\nbreak"));
    EXPECT_EQ(d.code, TextCode::Ok);
    EXPECT_EQ(d.text, "Line\n");
    d = Decode(0, ToBytes("CR\rx"));
    EXPECT_EQ(d.text, "CR\r");
    d = Decode(0, Bytes{'A', 0, 'B'});
    EXPECT_EQ(d.text, std::string("A\0", 2)) << "the text ends at its NUL";
    d = Decode(0, Bytes{0xC9, 0x74, 0xE9});
    EXPECT_EQ(d.text, "\xC9t\xE9");
}

TEST(TextUtf16, ByteOrderMarks) {
    Decoded d = Decode(1, Bytes{0xFF, 0xFE, 'A', 0, 0xE9, 0});
    EXPECT_EQ(d.code, TextCode::Ok);
    EXPECT_EQ(d.text, "A\xE9");
    d = Decode(1, Bytes{0xFE, 0xFF, 0, 'A', 0, 'B', 0, 0, 0, 'C'});
    EXPECT_EQ(d.text, "AB") << "0x0000 ends the text and is dropped";
    d = Decode(1, Bytes{'A', 0, 'B', 0});
    EXPECT_EQ(d.code, TextCode::Invalid);
    EXPECT_EQ(d.text, "");
    d = Decode(1, Bytes{0xFF});
    EXPECT_EQ(d.code, TextCode::Invalid);
    d = Decode(1, Bytes{0xFF, 0xFE});
    EXPECT_EQ(d.code, TextCode::Ok);
    EXPECT_EQ(d.text, "");
}

TEST(TextUtf16, BeyondLatin1ControlsAndOddBytes) {
    Decoded d = Decode(2, Bytes{0, 'O', 0, 'K', 0x20, 0xAC, 0, 'x'});
    EXPECT_EQ(d.code, TextCode::BeyondLatin1);
    EXPECT_EQ(d.text, "OK");
    d = Decode(2, Bytes{0, 'A', 0, 0x0A, 0, 'B'});
    EXPECT_EQ(d.code, TextCode::Invalid);
    EXPECT_EQ(d.text, "");
    d = Decode(9, Bytes{'L', 0, 'E', 0, 'x'});
    EXPECT_EQ(d.code, TextCode::Ok);
    EXPECT_EQ(d.text, "LE") << "a trailing odd byte is ignored";
    d = Decode(9, Bytes{'x'});
    EXPECT_EQ(d.code, TextCode::Ok);
    EXPECT_EQ(d.text, "");
}

TEST(TextUtf8, Latin1RangeOnly) {
    Decoded d = Decode(3, Bytes{0x42, 0x6A, 0xC3, 0xB6, 0x72, 0x6B});
    EXPECT_EQ(d.code, TextCode::Ok);
    EXPECT_EQ(d.text, "Bj\xF6rk");
    d = Decode(3, Bytes{'a', 0xE2, 0x82, 0xAC});
    EXPECT_EQ(d.code, TextCode::BeyondLatin1);
    EXPECT_EQ(d.text, "a");
    d = Decode(3, Bytes{'a', 0xC3});
    EXPECT_EQ(d.code, TextCode::Invalid);
    EXPECT_EQ(d.text, "a") << "a cut-off pair keeps the text before it";
    d = Decode(3, Bytes{'(', 0xA9, ')'});
    EXPECT_EQ(d.text, "())") << "a stray continuation byte is its six low bits";
    d = Decode(3, Bytes{'x', 0x81});
    EXPECT_EQ(d.code, TextCode::Invalid) << "which may be a control character";
    d = Decode(3, Bytes{'x', 0xC0, 0x80, 'y'});
    EXPECT_EQ(d.text, std::string("x\0", 2));
    d = Decode(3, ToBytes("a\tb"));
    EXPECT_EQ(d.code, TextCode::Invalid);
    EXPECT_EQ(d.text, "");
}

TEST(TextUtf8, LeadByteC4IsTheFirstBeyondLatin1) {
    const Decoded d = Decode(3, Bytes{'a', 0xC4, 0x80});  // U+0100
    EXPECT_EQ(d.code, TextCode::BeyondLatin1);
    EXPECT_EQ(d.text, "a");
}

// Only the Latin-1 text may end in a line break; in UTF-8 it is a control
// character like any other.
TEST(TextUtf8, LineBreaksInvalidateUnlikeLatin1) {
    for (const std::string text : {"AB\nC", "AB\rC"}) {
        const Decoded latin1 = Decode(0, ToBytes(text));
        EXPECT_EQ(latin1.code, TextCode::Ok);
        EXPECT_EQ(latin1.text, text.substr(0, 3));
        const Decoded utf8 = Decode(3, ToBytes(text));
        EXPECT_EQ(utf8.code, TextCode::Invalid);
        EXPECT_EQ(utf8.text, "");
    }
}

TEST(TextEncrypted, IsNeverDecoded) {
    Tid3v2tag tag;
    ASSERT_EQ(LoadBytes(tag, TagBuilder(4).Frame("TIT2", TextBody(0, "secret"), 0, 0x04, {0x80}).Build()), 0);
    std::string text = "x";
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::Encrypted);
    EXPECT_EQ(text, "");
    EXPECT_EQ(tag.FrameIndex().Decompress(1), 1);
}

TEST(TextCompressed, Version3InflatesOnce) {
    Tid3v2tag tag;
    const Bytes body = TextBody(0, "Compressed title");
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Frame("TIT2", ZlibCompress(body), 0, 0x80, BigEndianBytes(body.size())).Build()),
              0);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::Ok);
    EXPECT_EQ(text, "Compressed title");
    const TFrameIndex& frames = tag.FrameIndex();
    EXPECT_EQ(frames.FormatFlags(1), 0x01);
    EXPECT_EQ(frames.FormatFlagsAsRead(1), 0x09);
    EXPECT_EQ(frames.DataLength(1), 0u);
    EXPECT_EQ(frames.Data(1), body);
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::Ok) << "the second request decodes the inflated data";
    EXPECT_EQ(text, "Compressed title");
    EXPECT_EQ(tag.FrameIndex().Decompress(1), -1);
}

TEST(TextCompressed, Version4WithUnsynchronisationAndWrongLength) {
    Tid3v2tag tag;
    const Bytes body = TextBody(0, "Both");
    const Bytes stored = Unsynchronise(ZlibCompress(body));
    ASSERT_EQ(LoadBytes(tag, TagBuilder(4).Frame("TIT2", stored, 0, 0x0B, SynchSafeBytes(99)).Build()), 0);
    EXPECT_EQ(tag.FrameIndex().Decompress(1), 2) << "unsynchronisation first";
    ASSERT_EQ(tag.FrameIndex().RemoveUnsynchronisation(1), 0);
    EXPECT_EQ(tag.FrameIndex().RemoveUnsynchronisation(1), -1);
    EXPECT_EQ(tag.FrameIndex().Decompress(1), -2) << "declared 99, inflated 5: used all the same";
    EXPECT_EQ(tag.FrameIndex().Data(1), body);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::Ok);
    EXPECT_EQ(text, "Both");
}

TEST(TextCompressed, ZlibFailureLeavesTheFrame) {
    Tid3v2tag tag;
    const Bytes garbage = TextBody(0, "not zlib");
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Frame("TIT2", garbage, 0, 0x80, BigEndianBytes(40)).Build()), 0);
    EXPECT_EQ(tag.FrameIndex().Decompress(1), 4);
    EXPECT_EQ(tag.FrameIndex().Data(1), garbage);
    EXPECT_EQ(tag.FrameIndex().FormatFlags(1), 0x09);
    EXPECT_EQ(tag.FrameIndex().DataLength(1), 40u);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TIT2", text), TextCode::Ok) << "decoded as it stands";
    EXPECT_EQ(text, "not zlib");

    // A stream cut short is a failure too.
    Bytes cut = ZlibCompress(TextBody(0, std::string(500, 'a') + "end"));
    cut.resize(cut.size() / 2);
    ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Frame("TIT2", cut, 0, 0x80, BigEndianBytes(504)).Build()), 0);
    EXPECT_EQ(tag.FrameIndex().Decompress(1), 4);
}

// A few kilobytes that inflate to far more than any text frame.
TEST(TextCompressed, ZlibBombIsRefusedQuickly) {
    const Bytes bomb = ZlibCompress(Bytes(64u << 20, 'A'));
    ASSERT_LT(bomb.size(), 300000u);
    Tid3v2tag tag;
    for (const std::uint32_t declared : {0u, 16u, 0x7FFFFFFFu}) {
        ASSERT_EQ(LoadBytes(tag, TagBuilder(3).Frame("TIT2", bomb, 0, 0x80, BigEndianBytes(declared)).Build()), 0);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(tag.FrameIndex().Decompress(1), 4) << "declared " << declared;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(tag.FrameIndex().Data(1), bomb);
        EXPECT_EQ(tag.FrameIndex().FormatFlags(1), 0x09);
    }
}

TEST(TextCompressed, BoundFollowsTheDeclaredLength) {
    EXPECT_EQ(InflateLimit(0), InflateLimitUndeclared);
    EXPECT_EQ(InflateLimit(100), InflateLimitUndeclared);
    EXPECT_EQ(InflateLimit(3u << 20), 3u << 20);
    EXPECT_EQ(InflateLimit(0xFFFFFFFFu), InflateLimitHard);

    Bytes out;
    const Bytes atLimit(InflateLimitUndeclared, 'x');
    ASSERT_TRUE(InflateFrame(ZlibCompress(atLimit), 0, out));
    EXPECT_EQ(out, atLimit);
    const Bytes overLimit(InflateLimitUndeclared + 1, 'x');
    EXPECT_FALSE(InflateFrame(ZlibCompress(overLimit), 0, out));
    // An honestly declared large frame (a picture) still inflates.
    const Bytes picture(5u << 20, 'p');
    ASSERT_TRUE(InflateFrame(ZlibCompress(picture), picture.size(), out));
    EXPECT_EQ(out.size(), picture.size());
    EXPECT_FALSE(InflateFrame(ZlibCompress(Bytes(InflateLimitHard + 1, 'p')), 0xFFFFFFFFu, out));
}

TEST(TextFrameUnsynchronisation, Version4Frames) {
    Tid3v2tag tag;
    ASSERT_EQ(LoadBytes(tag, TagBuilder(4)
                                 .Frame("TIT2", {0, 'A', 0xFF, 0x00, 0xE0, 0xFF, 0x00, 0x41, 0xFF, 0x00}, 0, 0x02)
                                 .Frame("TPE1", {0, 0xFF, 0x00, 0x00, 0x00, 'B'}, 0, 0x02)
                                 .Build()),
              0);
    TFrameIndex& frames = tag.FrameIndex();
    EXPECT_EQ(frames.Decompress(1), 2);
    ASSERT_EQ(frames.RemoveUnsynchronisation(1), 0);
    EXPECT_EQ(frames.Data(1), (Bytes{0, 'A', 0xFF, 0xE0, 0xFF, 0x00, 0x41, 0xFF}));
    EXPECT_EQ(frames.FormatFlags(1), 0x00);
    EXPECT_EQ(frames.FormatFlagsAsRead(1), 0x02);
    EXPECT_EQ(frames.Decompress(1), -1);
    std::string text;
    EXPECT_EQ(tag.GetTextFrame("TPE1", text), TextCode::Ok);
    EXPECT_EQ(text, std::string("\xFF\0", 2)) << "only the inserted zero goes";
    EXPECT_EQ(frames.Data(2), (Bytes{0, 0xFF, 0x00, 0x00, 'B'}));
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
        EXPECT_EQ(DecodeText(nullptr, 0, encoding, text), TextCode::Empty);
    }
}

}  // namespace
}  // namespace plk::test
