// The Song Tag popup's fade-in, hold, fade-out and a second song, tick by tick.
#include <gtest/gtest.h>

#include "face/SongTagFade.h"
#include "tests/core/FadeTicks.h"

namespace plk::test {
namespace {

using F = SongTagFade;

TEST(SongTagFade, FadesInHoldsAndFadesOut) {
    F fade;
    fade.stopTimers();
    fade.showSong();
    EXPECT_TRUE(fade.visible());
    EXPECT_EQ(fade.alpha(), 125);
    const std::vector<int> in = tickWhileRunning(fade, F::Timer1);
    ASSERT_EQ(in.size(), 12u) << "11 steps of 10, then the tick that starts the hold";
    EXPECT_EQ(in[10], 235);
    EXPECT_TRUE(fade.running(F::Timer2));

    fade.tick(F::Timer2);
    EXPECT_FALSE(fade.running(F::Timer2));
    const std::vector<int> out = tickWhileRunning(fade, F::Timer3);
    ASSERT_EQ(out.size(), 12u) << "11 steps down, then the tick that hides";
    EXPECT_EQ(out[10], 125);
    EXPECT_FALSE(fade.visible());
}

// The popup fading in, holding, or fading out.
F shown(F::Timer during) {
    F fade;
    fade.showSong();
    fade.tick(F::Timer1);
    if (during == F::Timer1) return fade;
    tickWhileRunning(fade, F::Timer1);
    if (during == F::Timer2) return fade;
    fade.tick(F::Timer2);
    fade.tick(F::Timer3);
    return fade;
}

TEST(SongTagFade, ASecondSongWhileVisibleHoldsAtFullStrengthAnew) {
    for (const F::Timer during : {F::Timer1, F::Timer2, F::Timer3}) {
        F fade = shown(during);
        ASSERT_TRUE(fade.running(during));
        fade.stopTimers();
        EXPECT_FALSE(fade.running(F::Timer2)) << "stopped, so that the hold restarts from its beginning";
        fade.showSong();
        EXPECT_EQ(fade.alpha(), 235) << during;
        EXPECT_TRUE(fade.running(F::Timer2)) << during;
        EXPECT_FALSE(fade.running(F::Timer1) || fade.running(F::Timer3)) << during;
    }
}

TEST(SongTagFade, AFailedReadLeavesAVisiblePopupStill) {
    F fade;
    fade.showSong();
    fade.tick(F::Timer1);
    fade.stopTimers();  // then the tag could not be read
    EXPECT_TRUE(fade.visible());
    EXPECT_EQ(fade.alpha(), 135);
    fade.hide();
    EXPECT_EQ(fade.alpha(), 125);
    EXPECT_FALSE(fade.visible());
}

}  // namespace
}  // namespace plk::test
