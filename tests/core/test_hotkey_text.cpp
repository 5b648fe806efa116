#include <gtest/gtest.h>

#include "app/HotkeyText.h"

namespace plk {
namespace {

// A keyboard as a platform might name it: some codes share a name, one name
// looks like a prefix, two have blanks around or after them, most codes
// have none.
std::string fakePlatformName(unsigned code) {
    switch (code) {
    case 0x10: return "Shift";
    case 0x6F: return "/";    // keypad divide...
    case 0xBF: return "/";    // ...and the main-row slash
    case 0xA0: return "shift";  // left Shift: the same name in other case
    case 0xBA: return ";";
    case 0xDC: return "^";
    case 0xDE: return " ' ";
    case 0xDB: return "[ ";  // a blank at the end only
    case 0xE2: return "Space";  // a fixed name taken by another code
    default: return std::string();
    }
}

class HotkeyText : public ::testing::Test {
protected:
    KeyNames names{fakePlatformName};
    ShortCut read(const std::string& text) const { return textToShortCut(text, names); }
    std::string write(ShortCut value) const { return shortCutToText(value, names); }
};

TEST_F(HotkeyText, PrefixesInAnyOrderCaseAndRepetitionWriteBackInFixedOrder) {
    const ShortCut ctrlAltP = kCtrlFlag | kAltFlag | 'P';
    for (const char* text : {"Ctrl+Alt+P", "ctrl+alt+p", "^Alt+P", "Alt+Ctrl+P", "ALT+^ctrl+Alt+p"}) {
        EXPECT_EQ(read(text), ctrlAltP) << text;
        EXPECT_EQ(write(read(text)), "Ctrl+Alt+P") << text;
    }
    EXPECT_EQ(write(kAltFlag | kShiftFlag | kCtrlFlag | 0x70), "Shift+Ctrl+Alt+F1");
    EXPECT_EQ(read("shift+F24"), kShiftFlag | 0x87);
    EXPECT_EQ(read("F9"), 0x78);
    EXPECT_EQ(write(0x78), "F9");
}

TEST_F(HotkeyText, EveryTableNameWritesAndReadsBack) {
    const std::pair<unsigned, const char*> table[] = {
        {0x08, "BkSp"}, {0x09, "Tab"}, {0x0D, "Enter"}, {0x1B, "Esc"}, {0x20, "Space"}, {0x21, "PgUp"},
        {0x22, "PgDn"}, {0x23, "End"}, {0x24, "Home"}, {0x25, "Left"}, {0x26, "Up"}, {0x27, "Right"},
        {0x28, "Down"}, {0x2D, "Ins"}, {0x2E, "Del"}, {0x30, "0"}, {0x39, "9"}, {0x41, "A"}, {0x5A, "Z"},
        {0x70, "F1"}, {0x7B, "F12"}, {0x87, "F24"}};
    for (const auto& [code, name] : table) {
        EXPECT_EQ(names.nameOf(code), name);
        EXPECT_EQ(read(std::string("Alt+") + name), kAltFlag | code) << name;
    }
}

TEST_F(HotkeyText, KeypadDigitsReadBackAsMainRowDigits) {
    EXPECT_EQ(write(kCtrlFlag | 0x60), "Ctrl+0");
    EXPECT_EQ(write(0x69), "9");
    EXPECT_EQ(read(write(kCtrlFlag | 0x65)), kCtrlFlag | 0x35);
}

TEST_F(HotkeyText, NothingToReadGivesNone) {
    for (const char* text : {"", "Ctrl+", "^", "Shift+Alt+", "Ctrl+Nonsense", "QQ", "Ctrl+Alt", "Ctrl-P", " P"})
        EXPECT_EQ(read(text), 0) << '"' << text << '"';
}

TEST_F(HotkeyText, KeyWithoutNameWritesTheEmptyText) {
    EXPECT_EQ(write(0), "");
    EXPECT_EQ(write(kCtrlFlag | kAltFlag | 0xE8), "");  // the platform has no name for it
    EXPECT_EQ(write(kCtrlFlag | 0x03), "");             // below the first named code
    EXPECT_EQ(KeyNames(nullptr).nameOf(0xBA), "");
}

TEST_F(HotkeyText, PlatformNamesReadBackToTheirOwnCode) {
    EXPECT_EQ(write(kCtrlFlag | 0xBA), "Ctrl+;");
    EXPECT_EQ(write(0x10), "Shift");
    EXPECT_EQ(read("Ctrl+Shift"), kCtrlFlag | 0x10);
    // Names that would read back as another code, or that a text cannot
    // carry, are given the code instead.
    EXPECT_EQ(names.nameOf(0x6F), "/");
    EXPECT_EQ(names.nameOf(0xBF), "Key BF");
    EXPECT_EQ(names.nameOf(0xA0), "Key A0");
    EXPECT_EQ(names.nameOf(0xDC), "Key DC");
    EXPECT_EQ(names.nameOf(0xDE), "Key DE");
    EXPECT_EQ(names.nameOf(0xDB), "Key DB") << "settings.ini would trim the blank";
    EXPECT_EQ(names.nameOf(0xE2), "Key E2");
    for (unsigned code = 8; code < 256; ++code) {
        if (code >= 0x60 && code <= 0x69) continue;  // keypad digits, above
        const ShortCut value = static_cast<ShortCut>(kShiftFlag | kAltFlag | code);
        if (!write(value).empty()) {
            EXPECT_EQ(read(write(value)), value) << std::hex << code;
        }
    }
}

TEST(HotkeyFromShortCut, SplitsKeyAndRegistrationFlags) {
    const HotkeyKey all = hotkeyFromShortCut(kShiftFlag | kCtrlFlag | kAltFlag | 'P');
    EXPECT_EQ(all.virtualKey, static_cast<unsigned>('P'));
    // A held hotkey must not repeat: every registration asks for no repeats.
    EXPECT_EQ(all.modifiers, kModShift | kModControl | kModAlt | kModNoRepeat);
    EXPECT_EQ(hotkeyFromShortCut(kAltFlag | 0x78).modifiers, kModAlt | kModNoRepeat);
    EXPECT_EQ(hotkeyFromShortCut(kCtrlFlag | 0x78).modifiers, kModControl | kModNoRepeat);
    const HotkeyKey plain = hotkeyFromShortCut(0x78);
    EXPECT_EQ(plain.virtualKey, 0x78u);
    EXPECT_EQ(plain.modifiers, kModNoRepeat);
    // Bits other than the three flags stay with the key.
    EXPECT_EQ(hotkeyFromShortCut(0x1000 | kCtrlFlag | 'A').virtualKey, 0x1000u | 'A');
    EXPECT_EQ(hotkeyFromShortCut(0).virtualKey, 0u);
}

}  // namespace
}  // namespace plk
