// The column between the Play button and the Play Again button, at its bounds.
#include <gtest/gtest.h>

#include "face/PointerColumn.h"

namespace plk {
namespace {

TEST(PointerColumn, BoundsAreIncluded) {
    const ButtonPlace play{100, 200, 37, 37};
    const int playAgainTop = 186;
    EXPECT_TRUE(isInPointerColumn(play, playAgainTop, 100, 186));
    EXPECT_TRUE(isInPointerColumn(play, playAgainTop, 137, 237));
    EXPECT_TRUE(isInPointerColumn(play, playAgainTop, 120, 200));
    EXPECT_FALSE(isInPointerColumn(play, playAgainTop, 99, 200));
    EXPECT_FALSE(isInPointerColumn(play, playAgainTop, 138, 200));
    EXPECT_FALSE(isInPointerColumn(play, playAgainTop, 120, 185));
    EXPECT_FALSE(isInPointerColumn(play, playAgainTop, 120, 238));
}

}  // namespace
}  // namespace plk
