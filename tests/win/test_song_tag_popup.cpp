// The Song Tag popup in-process: its place beside a stand-in Play button,
// its look, its fade as the system's alpha shows it, its two lines, and a
// song that cannot be read.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "face/SongTagPopup.h"
#include "gui/Controls.h"
#include "platform/File.h"
#include "system/Handles.h"
#include "tags/Id3v2Tag.h"
#include "tests/support/SongFiles.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

using test::pumpUntil;
using test::windowAlpha;

// A window where the Play button would be, and the popup beside it.
class SongTagPopupTest : public ::testing::Test {
protected:
    SongTagPopupTest()
        : button_(600, 400, 37, 37),
          popup_(TForm4::Links{button_.hwnd(), [this] { return stayOnTop_; }, 0, false}) {}

    std::string song(const std::string& name, const test::SongBytes& bytes) { return tree_.file(name, bytes); }
    std::wstring artist() const { return popup_.artistLabel().text(); }
    std::wstring title() const { return popup_.titleLabel().text(); }
    HWND popup() const { return popup_.hwnd(); }

    test::TempTree tree_;
    test::StandInWindow button_;
    bool stayOnTop_ = false;
    Tid3v2tag reader_;
    TForm4 popup_;
};

TEST_F(SongTagPopupTest, FadesInBesideTheButtonHoldsAndHides) {
    EXPECT_FALSE(IsWindowVisible(popup()));
    EXPECT_EQ(windowAlpha(popup()), 125);
    const std::string tagged = song("tagged.mp3", test::song(test::id3v2Tag("R&B Mix", "Simon & Garfunkel"), 500));

    popup_.ShowID3(reader_, tagged);
    EXPECT_TRUE(IsWindowVisible(popup()));
    EXPECT_EQ(popup_.windowRect().left, 600 - 153);
    EXPECT_EQ(popup_.windowRect().top, 400);
    EXPECT_EQ(popup_.windowRect().right - popup_.windowRect().left, 152);
    EXPECT_EQ(popup_.windowRect().bottom - popup_.windowRect().top, 37);
    EXPECT_EQ(controlText(popup()), "Song Tag");
    EXPECT_FALSE(GetWindowLongA(popup(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongA(popup(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(GetWindowLongA(popup(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(GetForegroundWindow(), popup()) << "shown without taking the keyboard";
    EXPECT_EQ(windowAlpha(popup()), 125);
    EXPECT_EQ(title(), L"R&B Mix");
    EXPECT_EQ(artist(), L"Simon & Garfunkel");
    ASSERT_TRUE(pumpUntil([&] { return windowAlpha(popup()) == 235; }));

    // A second song while it shows: new lines at once, full strength.
    popup_.ShowID3(reader_, song("Song.Name.mp3", test::song({}, 500)));
    EXPECT_EQ(windowAlpha(popup()), 235);
    EXPECT_EQ(title(), L"Unknown song:");
    EXPECT_EQ(artist(), L"Song.Name");

    // Hiding empties the lines and, without always-on-top, sends the button
    // to the bottom of the z-order.
    SetWindowPos(button_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(pumpUntil([&] { return !IsWindowVisible(popup()); }, 10000));
    EXPECT_EQ(windowAlpha(popup()), 125);
    EXPECT_EQ(title(), L"");
    EXPECT_EQ(artist(), L"");
    EXPECT_EQ(GetWindow(button_.hwnd(), GW_HWNDNEXT), nullptr) << "the button lies below every other window";
}

TEST_F(SongTagPopupTest, LinesAreDrawnLiterallyInTheThemesColour) {
    const std::string ampersands(10, '&');
    popup_.ShowID3(reader_, song("amp.mp3", test::song({}, 500, test::Id3v1Tag("T", ampersands))));
    ASSERT_EQ(artist(), std::wstring(10, L'&'));

    // How wide the artist line's ink is, against the text's own width: with
    // access-key processing only half of the ampersands would be drawn.
    const auto inkWidth = [&](bool dark) {
        const test::Picture picture(popup_.image());
        int first = picture.width(), last = -1;
        for (int y = 19; y < 33; ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const COLORREF c = picture.at(x, y);
                const bool ink = dark ? GetRValue(c) < 70 && GetGValue(c) < 70 : GetRValue(c) > 200 && GetGValue(c) > 200;
                if (!ink) continue;
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        return last - first + 1;
    };
    const FontHandle tahoma(CreateFontA(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma"));
    SIZE literal{};
    {
        const WindowDc screen(nullptr);
        SelectObjectScope font(screen.get(), tahoma.get());
        GetTextExtentPoint32A(screen.get(), ampersands.c_str(), 10, &literal);
    }
    EXPECT_GE(inkWidth(false), literal.cx * 8 / 10) << "white on Black";

    popup_.drawTheme(1);  // Gray, near white, with black lines
    popup_.setLabelColour(true);
    EXPECT_GE(inkWidth(true), literal.cx * 8 / 10) << "black on Gray";
}

test::SongBytes utf16Body(const std::u16string& text) {
    test::SongBytes body{1, 0xFF, 0xFE};
    for (const char16_t unit : text) body.insert(body.end(), {static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(unit >> 8)});
    return body;
}

test::SongBytes body(std::uint8_t encoding, const std::string& bytes) {
    // Reserved first: GCC 12 takes the growth of a one-byte vector for an
    // out-of-bounds copy and warns.
    test::SongBytes body;
    body.reserve(bytes.size() + 1);
    body.push_back(encoding);
    body.insert(body.end(), bytes.begin(), bytes.end());
    return body;
}

TEST_F(SongTagPopupTest, UnicodeFramesShowEveryScript) {
    popup_.ShowID3(reader_, song("unicode.mp3", test::song(test::id3v24Tag(utf16Body(u"Дыхание"), body(3, u8"坂本龍一")), 500)));
    EXPECT_EQ(title(), L"Дыхание");
    EXPECT_EQ(artist(), L"坂本龍一");
    popup_.ShowID3(reader_, song("latin.mp3", test::song(test::id3v24Tag(utf16Body(u"Beyoncé"), body(3, u8"Sigur Rós")), 500)));
    EXPECT_EQ(title(), L"Beyoncé") << "never through the code page";
    EXPECT_EQ(artist(), L"Sigur Rós");
}

// Collections tagged in the system's own code page read as they always did.
TEST_F(SongTagPopupTest, Latin1AndId3v1BytesAreReadInTheSystemsCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "written for the Western code page; this system has " << GetACP();
    popup_.ShowID3(reader_, song("v2.mp3", test::song(test::id3v24Tag(body(0, "\x80 Euro"), body(0, "\x9Cuvre")), 500)));
    EXPECT_EQ(title(), L"\u20AC Euro");
    EXPECT_EQ(artist(), L"\u0153uvre");
    popup_.ShowID3(reader_, song("v1.mp3", test::song({}, 500, test::Id3v1Tag("\x80 Euro", "\x9Cuvre"))));
    EXPECT_EQ(title(), L"\u20AC Euro");
    EXPECT_EQ(artist(), L"\u0153uvre");
    popup_.ShowID3(reader_, song("Caf\xE9 \x80.mp3", test::song({}, 500)));
    EXPECT_EQ(artist(), L"Caf\u00E9 \u20AC") << "the index's path is in the code page too";
}

TEST_F(SongTagPopupTest, ASongThatCannotBeOpenedRaisesAndLeavesThePopupStill) {
    popup_.ShowID3(reader_, song("first.mp3", test::song(test::id3v2Tag("First", "Artist"), 100)));
    ASSERT_TRUE(pumpUntil([&] { return windowAlpha(popup()) >= 165; }));

    const std::string held = song("held.mp3", test::song({}, 500));
    const KernelHandle holder(CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_THROW(popup_.ShowID3(reader_, held), FileError);
    const int alpha = windowAlpha(popup());
    test::pumpFor(200);
    EXPECT_EQ(windowAlpha(popup()), alpha) << "its timers are stopped";
    EXPECT_TRUE(IsWindowVisible(popup()));
    EXPECT_EQ(title(), L"First");
}

}  // namespace
}  // namespace plk
