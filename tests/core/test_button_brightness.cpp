// The Play button's brightness, tick by tick, where it differs from Play
// Again's (the hover both share is tested with the other fades).
#include <gtest/gtest.h>

#include "face/ButtonBrightness.h"
#include "tests/core/FadeTicks.h"

namespace plk::test {
namespace {

using B = ButtonBrightness;

TEST(ButtonBrightness, EnteringAgainStopsTheFadeOutHalfWay) {
    B button;
    button.pointerLeft();
    button.setAlpha(180);
    button.pointerEntered();
    EXPECT_FALSE(button.running(B::Timer2));
}

TEST(ButtonBrightness, PressAndReleaseLeaveTheTimersRunning) {
    B button;
    button.pointerEntered();
    button.tick(B::Timer1);
    button.press();
    EXPECT_EQ(button.alpha(), 235);
    EXPECT_TRUE(button.running(B::Timer1));
    // The fade-in's next tick, from 235, sets 205 and stops.
    button.tick(B::Timer1);
    EXPECT_EQ(button.alpha(), 205);
    EXPECT_FALSE(button.running(B::Timer1));
    button.press();
    button.release();
    EXPECT_EQ(button.alpha(), 205);
}

TEST(ButtonBrightness, HotkeyLightFadesOutFrom235In22Steps) {
    B button;
    button.setAlpha(235);
    button.startFadeOut();
    const std::vector<int> levels = tickWhileRunning(button, B::Timer2);
    ASSERT_EQ(levels.size(), 23u);
    EXPECT_EQ(levels[21], 125);

    // With the pointer on the button the fade-in runs on beside the
    // fade-out; its next tick drops the light to 205 and stops it.
    button.pointerEntered();
    button.setAlpha(235);
    button.startFadeOut();
    EXPECT_TRUE(button.running(B::Timer1));
    button.tick(B::Timer1);
    EXPECT_EQ(button.alpha(), 205);
    EXPECT_EQ(tickWhileRunning(button, B::Timer2).size(), 17u);
}

}  // namespace
}  // namespace plk::test
