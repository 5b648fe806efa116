// The Play Again button in-process: its place above a stand-in Play button,
// its look, its fades as the system's alpha shows them, the column, and the
// click.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "face/PlayAgainButton.h"
#include "gui/Controls.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

using test::pumpUntil;
using test::windowAlpha;

class PlayAgainButtonTest : public ::testing::Test {
protected:
    PlayAgainButtonTest() : button_(600, 400, 37, 37), playAgain_({button_.hwnd(), 0, [this] { ++replays_; }}) {}

    HWND window() const { return playAgain_.hwnd(); }
    bool visible() const { return IsWindowVisible(window()) != FALSE; }
    // Pumps until the button has hidden; returns the highest alpha seen.
    int peakUntilHidden() {
        int peak = 0;
        EXPECT_TRUE(pumpUntil([&] {
            peak = std::max(peak, windowAlpha(window()));
            return !visible();
        }));
        return peak;
    }

    test::StandInWindow button_;
    int replays_ = 0;
    TForm6 playAgain_;
};

TEST_F(PlayAgainButtonTest, AppearsAboveThePlayButtonAndFadesAway) {
    EXPECT_FALSE(visible());
    EXPECT_EQ(windowAlpha(window()), 0);
    EXPECT_EQ(controlText(window()), "Play Again");

    playAgain_.appear();
    EXPECT_TRUE(visible());
    const RECT placed = playAgain_.windowRect();
    EXPECT_EQ(placed.left, 600);
    EXPECT_EQ(placed.top, 400 - 14) << "its bottom row lies over the button's top row";
    EXPECT_EQ(placed.right - placed.left, 37);
    EXPECT_EQ(placed.bottom - placed.top, 15);
    EXPECT_TRUE(GetWindowLongA(window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(GetForegroundWindow(), window());
    ASSERT_TRUE(pumpUntil([&] { return windowAlpha(window()) == 125; }));

    playAgain_.dismiss();
    EXPECT_LE(peakUntilHidden(), 125);
    EXPECT_EQ(windowAlpha(window()), 0);

    // The next showing follows the Play button to its new place.
    SetWindowPos(button_.hwnd(), nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    playAgain_.appear();
    EXPECT_EQ(playAgain_.windowRect().left, 300);
    EXPECT_EQ(playAgain_.windowRect().top, 186);
}

TEST_F(PlayAgainButtonTest, FlashesFromHiddenAndIgnoresDismissMeanwhile) {
    playAgain_.flash();
    EXPECT_TRUE(visible());
    playAgain_.dismiss();
    const int peak = peakUntilHidden();
    EXPECT_GE(peak, 200) << "flashed up";
    EXPECT_LE(peak, 220);
    EXPECT_EQ(windowAlpha(window()), 0);
}

TEST_F(PlayAgainButtonTest, ColumnFromItsTopToTheButtonsBottom) {
    playAgain_.appear();
    EXPECT_TRUE(playAgain_.pointerInColumn({600, 386}));
    EXPECT_TRUE(playAgain_.pointerInColumn({637, 437}));
    EXPECT_FALSE(playAgain_.pointerInColumn({599, 400}));
    EXPECT_FALSE(playAgain_.pointerInColumn({638, 400}));
    EXPECT_FALSE(playAgain_.pointerInColumn({610, 385}));
    EXPECT_FALSE(playAgain_.pointerInColumn({610, 438}));
}

TEST_F(PlayAgainButtonTest, PointerPressAndClick) {
    playAgain_.appear();
    playAgain_.CMMouseEnter();
    ASSERT_TRUE(pumpUntil([&] { return windowAlpha(window()) == 205; }));
    const HWND image = playAgain_.image();
    SendMessageA(image, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(windowAlpha(window()), 235);
    SendMessageA(image, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(windowAlpha(window()), 205);
    EXPECT_EQ(replays_, 1);

    // Leaving down onto the Play button keeps it; leaving sideways sends it away.
    SetCursorPos(618, 420);
    playAgain_.CMMouseLeave();
    ASSERT_TRUE(pumpUntil([&] { return windowAlpha(window()) == 125; }));
    test::pumpFor(150);
    EXPECT_TRUE(visible());
    SetCursorPos(500, 390);
    playAgain_.CMMouseLeave();
    peakUntilHidden();
}

}  // namespace
}  // namespace plk
