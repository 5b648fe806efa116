// The Play Again button's appear, fade-away, pointer and flash sequences,
// tick by tick.
#include <gtest/gtest.h>

#include "face/PlayAgainFade.h"
#include "tests/core/FadeTicks.h"

namespace plk::test {
namespace {

using F = PlayAgainFade;

// Shown and at rest, as after the pointer came onto the Play button.
F resting() {
    F fade;
    fade.appear();
    tickWhileRunning(fade, F::Timer1);
    return fade;
}

TEST(PlayAgainFade, AppearsFromZeroToRestInFiveSteps) {
    F fade;
    fade.appear();
    EXPECT_TRUE(fade.visible());
    EXPECT_EQ(fade.alpha(), 0);
    EXPECT_EQ(tickWhileRunning(fade, F::Timer1), (std::vector<int>{25, 50, 75, 100, 125, 125}));
}

TEST(PlayAgainFade, LeavingWhilePressedDimsItBackAndKeepsItShown) {
    F fade = resting();
    fade.pointerEntered();
    fade.press();
    fade.release();
    fade.pointerLeft();
    EXPECT_FALSE(fade.running(F::Timer2));
    EXPECT_EQ(tickWhileRunning(fade, F::Timer3).back(), 125);
    EXPECT_TRUE(fade.visible());
}

TEST(PlayAgainFade, FadesAwayAndHides) {
    F fade = resting();
    fade.dismiss();
    EXPECT_FALSE(fade.running(F::Timer1));
    EXPECT_EQ(tickWhileRunning(fade, F::Timer5), (std::vector<int>{100, 75, 50, 25, 0, 0}));
    EXPECT_FALSE(fade.visible());
}

TEST(PlayAgainFade, AppearDuringTheFadeAwayRisesFromWhereItIs) {
    F fade = resting();
    fade.dismiss();
    fade.tick(F::Timer5);
    fade.tick(F::Timer5);
    fade.appear();
    EXPECT_FALSE(fade.running(F::Timer5));
    EXPECT_EQ(tickWhileRunning(fade, F::Timer1), (std::vector<int>{100, 125, 125}));
    EXPECT_TRUE(fade.visible());
}

TEST(PlayAgainFade, DismissIsIgnoredWhileHiddenOrFlashing) {
    F hidden;
    hidden.dismiss();
    EXPECT_FALSE(hidden.visible());
    EXPECT_FALSE(hidden.running(F::Timer5));

    F flashing = resting();
    flashing.appear();  // Timer1 runs again
    flashing.flash();
    flashing.dismiss();
    EXPECT_FALSE(flashing.running(F::Timer5));
    EXPECT_TRUE(flashing.running(F::Timer1));
    tickWhileRunning(flashing, F::Timer6);
    flashing.dismiss();
    EXPECT_FALSE(flashing.running(F::Timer5)) << "nor while falling";
}

TEST(PlayAgainFade, FlashFromHiddenUpTo220AndDownToHidden) {
    F fade;
    fade.flash();
    EXPECT_TRUE(fade.visible());
    std::vector<int> up = tickWhileRunning(fade, F::Timer6);
    ASSERT_EQ(up.size(), 12u) << "11 steps of 20, then the tick that turns";
    EXPECT_EQ(up[10], 220);
    EXPECT_TRUE(fade.running(F::Timer7));
    std::vector<int> down = tickWhileRunning(fade, F::Timer7);
    ASSERT_EQ(down.size(), 12u) << "11 steps down, then the tick that hides";
    EXPECT_EQ(down[10], 0);
    EXPECT_FALSE(fade.visible());
}

TEST(PlayAgainFade, FlashFromRestPeaksAt225AndEndsAtZero) {
    F fade = resting();
    fade.flash();
    std::vector<int> up = tickWhileRunning(fade, F::Timer6);
    EXPECT_EQ(up, (std::vector<int>{145, 165, 185, 205, 225, 225}));
    std::vector<int> down = tickWhileRunning(fade, F::Timer7);
    ASSERT_EQ(down.size(), 13u);
    EXPECT_EQ(down[10], 5);
    EXPECT_EQ(down[11], 0);
    EXPECT_FALSE(fade.visible());
}

TEST(PlayAgainFade, FlashWhilePressedFallsAtOnceIn12Steps) {
    F fade = resting();
    fade.press();
    fade.flash();
    fade.tick(F::Timer6);
    EXPECT_EQ(fade.alpha(), 235);
    EXPECT_TRUE(fade.running(F::Timer7));
    const std::vector<int> down = tickWhileRunning(fade, F::Timer7);
    ASSERT_EQ(down.size(), 13u);
    EXPECT_EQ(down[11], 0);
    EXPECT_EQ(down[10], 15);
}

TEST(PlayAgainFade, HidingKeepsThePointerTimers) {
    F fade = resting();
    fade.pointerEntered();
    fade.appear();
    fade.hide();
    EXPECT_EQ(fade.alpha(), 0);
    EXPECT_FALSE(fade.visible());
    EXPECT_FALSE(fade.running(F::Timer1));
    EXPECT_TRUE(fade.running(F::Timer2));
}

}  // namespace
}  // namespace plk::test
