// What the three fades share: a tick that was queued before its timer
// stopped changes nothing, and each declares every timer it runs; the Play
// button and Play Again light up under the pointer alike.
#include <gtest/gtest.h>

#include <set>

#include "face/ButtonBrightness.h"
#include "face/PlayAgainFade.h"
#include "face/SongTagFade.h"
#include "tests/core/FadeTicks.h"

namespace plk::test {
namespace {

template <typename Fade>
class FadeStateTest : public ::testing::Test {};
using Fades = ::testing::Types<ButtonBrightness, PlayAgainFade, SongTagFade>;
TYPED_TEST_SUITE(FadeStateTest, Fades);

TYPED_TEST(FadeStateTest, ATickOfAStoppedTimerChangesNothing) {
    TypeParam fade;
    const int before = fade.alpha();
    for (const FadeTimer& timer : TypeParam::kTimers) {
        fade.tick(timer.id);
        EXPECT_FALSE(fade.running(timer.id)) << timer.id;
    }
    EXPECT_EQ(fade.alpha(), before);
}

TYPED_TEST(FadeStateTest, EveryTimerHasOneIdAndAnInterval) {
    std::set<int> ids;
    for (const FadeTimer& timer : TypeParam::kTimers) {
        EXPECT_TRUE(ids.insert(timer.id).second) << timer.id;
        EXPECT_GT(timer.ms, 0u) << timer.id;
        EXPECT_LT(timer.id, 32) << "a bit of the running set";
    }
}

// The two pictures that answer the pointer: their timers for it, and each at
// rest before the pointer comes.
template <typename Fade>
struct Hover;
template <>
struct Hover<ButtonBrightness> {
    static constexpr int kIn = ButtonBrightness::Timer1, kOut = ButtonBrightness::Timer2;
    static ButtonBrightness atRest() { return ButtonBrightness(); }
};
template <>
struct Hover<PlayAgainFade> {
    static constexpr int kIn = PlayAgainFade::Timer2, kOut = PlayAgainFade::Timer3;
    static PlayAgainFade atRest() {
        PlayAgainFade fade;
        fade.appear();
        tickWhileRunning(fade, PlayAgainFade::Timer1);
        return fade;
    }
};

template <typename Fade>
class HoverTest : public ::testing::Test {};
using HoverFades = ::testing::Types<ButtonBrightness, PlayAgainFade>;
TYPED_TEST_SUITE(HoverTest, HoverFades);

TYPED_TEST(HoverTest, ThePointerLightsItTo205In16StepsAndLeavingDimsItBackTo125) {
    using H = Hover<TypeParam>;
    TypeParam fade = H::atRest();
    ASSERT_EQ(fade.alpha(), 125);
    fade.pointerEntered();
    std::vector<int> levels = tickWhileRunning(fade, H::kIn);
    ASSERT_EQ(levels.size(), 17u) << "16 steps of 5, then the tick that stops";
    EXPECT_EQ(levels[0], 130);
    EXPECT_EQ(levels[15], 205);

    fade.pointerLeft();
    EXPECT_FALSE(fade.running(H::kIn));
    levels = tickWhileRunning(fade, H::kOut);
    ASSERT_EQ(levels.size(), 17u);
    EXPECT_EQ(levels[15], 125);
    EXPECT_EQ(fade.alpha(), 125);
}

TYPED_TEST(HoverTest, APressShowsFullLight) {
    TypeParam fade = Hover<TypeParam>::atRest();
    fade.pointerEntered();
    fade.press();
    EXPECT_EQ(fade.alpha(), 235);
}

}  // namespace
}  // namespace plk::test
