// What the three fades share: a tick that was queued before its timer
// stopped changes nothing, and each declares every timer it runs.
#include <gtest/gtest.h>

#include <set>

#include "face/ButtonBrightness.h"
#include "face/PlayAgainFade.h"
#include "face/SongTagFade.h"

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

}  // namespace
}  // namespace plk::test
