// Text frames as Unicode: the wide accessor beside the 8-bit one, both
// decoded by the same loop, the 8-bit results as they always were.
#include <gtest/gtest.h>

#include <random>

#include "tags/TextDecoder.h"
#include "tests/core/TagTesting.h"

namespace plk::test {
namespace {

Bytes utf16(const std::u16string& text, bool bigEndian) {
    Bytes bytes;
    for (const char16_t unit : text) {
        const auto high = static_cast<std::uint8_t>(unit >> 8), low = static_cast<std::uint8_t>(unit & 0xFF);
        bytes.insert(bytes.end(), bigEndian ? std::initializer_list<std::uint8_t>{high, low}
                                            : std::initializer_list<std::uint8_t>{low, high});
    }
    return bytes;
}

Bytes withMark(const std::u16string& text) { return concat({{0xFF, 0xFE}, utf16(text, false)}); }

std::u16string widened(const std::string& text) {
    std::u16string wide;
    for (const char c : text) wide += static_cast<char16_t>(static_cast<unsigned char>(c));
    return wide;
}

struct WideCase {
    const char* what;
    std::uint8_t encoding;
    Bytes bytes;
    std::uint8_t code;       // of the wide accessor
    std::u16string text;
    std::uint8_t oldCode;    // of the 8-bit accessor, as it always was
    std::string oldText;
};

const std::vector<WideCase>& wideCases() {
    static const std::vector<WideCase> cases = {
        {"Cyrillic, UTF-16 with mark", 1, withMark(u"Дыхание"), 0, u"Дыхание", 4, ""},
        {"Cyrillic, UTF-16 big-endian", 2, utf16(u"Земфира", true), 0, u"Земфира", 4, ""},
        {"Polish, UTF-8", 3, toBytes(u8"Wisła"), 0, u"Wisła", 4, "Wis"},
        {"Icelandic and a dash, UTF-8", 3, toBytes(u8"Ólafur — Ljósið"), 0, u"Ólafur — Ljósið", 4, "\xD3lafur "},
        {"CJK, UTF-8", 3, toBytes(u8"坂本龍一"), 0, u"坂本龍一", 4, ""},
        {"CJK, UTF-16 little-endian", 9, utf16(u"東京事変", false), 0, u"東京事変", 4, ""},
        {"surrogate pair, UTF-16", 1, withMark(u"A\U0001F3B5"), 0, u"A\U0001F3B5", 4, "A"},
        {"4-byte UTF-8", 3, Bytes{'G', 0xF0, 0x9D, 0x84, 0x9E}, 0, u"G\U0001D11E", 4, "G"},
        {"Latin-1 character in UTF-16", 1, withMark(u"Beyoncé"), 0, u"Beyoncé", 0, "Beyonc\xE9"},
        {"Latin-1 bytes", 0, Bytes{'C', 'a', 'f', 0xE9}, 0, u"Café", 0, "Caf\xE9"},
        {"terminator after Cyrillic, UTF-16", 1, withMark(std::u16string(u"Я\0x", 3)), 0, u"Я", 4, ""},
        {"terminator after Cyrillic, UTF-8", 3, Bytes{0xD0, 0xAF, 0, 'x'}, 0, std::u16string(u"Я\0", 2), 4, ""},
        {"control after Cyrillic, UTF-16", 2, utf16(u"Я\tx", true), 8, u"", 4, ""},
        {"control after Cyrillic, UTF-8", 3, Bytes{0xD0, 0xAF, '\n'}, 8, u"", 4, ""},
        {"unpaired high surrogate", 1, withMark(std::u16string{u'a', u'b', 0xD83C, u'x'}), 8, u"ab", 4, "ab"},
        {"high surrogate at the end", 1, withMark(std::u16string{u'a', 0xD83C}), 8, u"a", 4, "a"},
        {"lone low surrogate", 2, utf16(std::u16string{u'a', 0xDF35, u'b'}, true), 8, u"a", 4, "a"},
        {"UTF-8 cut off", 3, Bytes{'a', 0xE2, 0x82}, 8, u"a", 4, "a"},
        {"UTF-8 without its continuation", 3, Bytes{'a', 0xE2, 'x', 'y'}, 8, u"a", 4, "a"},
        {"UTF-8 overlong", 3, Bytes{'a', 0xE0, 0x80, 0xAF}, 8, u"a", 4, "a"},
        {"UTF-8 surrogate", 3, Bytes{'a', 0xED, 0xA0, 0x80}, 8, u"a", 4, "a"},
        {"UTF-8 beyond U+10FFFF", 3, Bytes{'a', 0xF4, 0x90, 0x80, 0x80}, 8, u"a", 4, "a"},
        {"UTF-8 lead byte 0xF8", 3, Bytes{'a', 0xF8, 0x88, 0x80, 0x80, 0x80}, 8, u"a", 4, "a"},
        // Three-byte sequences whose lead byte is 0xE0 (U+0800 to U+0FFF).
        {"Devanagari, UTF-8", 3, Bytes{0xE0, 0xA4, 0x85}, 0, u"\u0905", 4, ""},
        {"Thai, UTF-8", 3, toBytes(u8"สวัสดี"), 0, u"สวัสดี", 4, ""},
        {"Tibetan, UTF-8", 3, toBytes(u8"བོད"), 0, u"བོད", 4, ""},
        {"last two-byte and three-byte lead bytes", 3, Bytes{0xDF, 0xBF, 0xEF, 0xBC, 0xA1}, 0, u"\u07FF\uFF21", 4, ""},
        {"two-byte UTF-8 below U+0100 as always", 3, Bytes{'B', 0xC3, 0xB6, 0xC4, 0x85}, 0, u"Bö\u0105", 4, "B\xF6"},
    };
    return cases;
}

// Through the reader, as the popup and the tag dump ask for a frame.
TEST(WideText, TableOfEncodingsAndBytes) {
    for (const WideCase& c : wideCases()) {
        SCOPED_TRACE(c.what);
        Tid3v2tag tag;
        ASSERT_EQ(loadBytes(tag, TagBuilder(4).frame("TIT2", textBody(c.encoding, c.bytes)).padding(4).build()), 0);
        std::u16string wide = u"stale";
        std::uint8_t encoding = 0xEE;
        EXPECT_EQ(tag.GetWideTextFrame("TIT2", wide, &encoding), c.code);
        EXPECT_EQ(wide, c.text);
        EXPECT_EQ(encoding, c.encoding);
        std::string old = "stale";
        EXPECT_EQ(tag.GetTextFrame("TIT2", old), c.oldCode);
        EXPECT_EQ(old, c.oldText);
    }
}

// Whatever the 8-bit accessor decodes whole, the wide one decodes to the same
// characters and code; where the 8-bit text stops at a character beyond
// U+00FF, the wide text begins with it (or is emptied by a control character
// further on). Every two-byte input, and longer
// ones from the bytes that matter to the decoders.
TEST(WideText, AgreesWithThe8BitDecoderWhereverThatDecodesWhole) {
    const auto check = [](const Bytes& bytes, std::uint8_t encoding) {
        std::string old;
        std::u16string wide;
        const std::uint8_t oldCode = DecodeText(bytes.data(), bytes.size(), encoding, old);
        const std::uint8_t code = decodeWideText(bytes.data(), bytes.size(), encoding, wide);
        if (oldCode == TextCode::kBeyondLatin1) {
            // Unless a control character further on empties the whole text.
            ASSERT_NE(code, TextCode::kBeyondLatin1);
            if (wide.empty() && code == TextCode::kInvalid) return;
            ASSERT_EQ(wide.substr(0, old.size()), widened(old)) << int(encoding) << ": " << testing::PrintToString(bytes);
        } else {
            ASSERT_EQ(code, oldCode) << int(encoding) << ": " << testing::PrintToString(bytes);
            ASSERT_EQ(wide, widened(old)) << int(encoding) << ": " << testing::PrintToString(bytes);
        }
    };
    const std::uint8_t encodings[] = {0, 1, 2, 3, 9};
    for (const std::uint8_t encoding : encodings) {
        for (unsigned pair = 0; pair < 0x10000; ++pair)
            check({static_cast<std::uint8_t>(pair >> 8), static_cast<std::uint8_t>(pair)}, encoding);
    }
    const Bytes alphabet{0x00, 0x0A, 0x1F, 0x20, 'a', 0x7F, 0x80, 0xA9, 0xBF, 0xC0, 0xC3, 0xC4, 0xD8,
                         0xDC, 0xDF, 0xE0, 0xE2, 0xED, 0xF0, 0xF4, 0xF5, 0xFE, 0xFF, 0x04, 0x30};
    std::mt19937 random(17);
    for (int n = 0; n < 100000; ++n) {
        Bytes bytes(1 + random() % 9);
        for (std::uint8_t& byte : bytes) byte = alphabet[random() % alphabet.size()];
        check(bytes, encodings[random() % 5]);
    }
}

}  // namespace
}  // namespace plk::test
