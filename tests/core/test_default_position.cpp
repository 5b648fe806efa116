#include <gtest/gtest.h>

#include "app/DefaultPosition.h"

namespace plk {
namespace {

const int W = 1280, H = 1024;

void ExpectAt(ScreenPoint point, int x, int y) {
    EXPECT_EQ(point.x, x);
    EXPECT_EQ(point.y, y);
}

TEST(DefaultPosition, TaskbarAtTheBottom) {
    ExpectAt(DefaultPosition(W, H, ScreenRect{0, 994, W, H}), W - 50, 994 - 50);
}

TEST(DefaultPosition, TaskbarAtTheRight) {
    ExpectAt(DefaultPosition(W, H, ScreenRect{1200, 0, W, H}), 1200 - 50, H - 50);
}

TEST(DefaultPosition, TaskbarAtTheTopOrLeft) {
    ExpectAt(DefaultPosition(W, H, ScreenRect{0, 0, W, 30}), W - 50, H - 50);
    ExpectAt(DefaultPosition(W, H, ScreenRect{0, 0, 60, H}), W - 50, H - 50);
    // An edge off the screen (a second monitor to the left) counts as none.
    ExpectAt(DefaultPosition(W, H, ScreenRect{-2, -2, 60, H}), W - 50, H - 50);
}

TEST(DefaultPosition, WorkAreaGivesTheSamePlace) {
    const ScreenRect bottom{0, 994, W, H}, right{1200, 0, W, H};
    const ScreenPoint a = DefaultPosition(W, H, bottom);
    const ScreenPoint b = DefaultPositionFromWorkArea(ScreenRect{0, 0, W, 994});
    ExpectAt(b, a.x, a.y);
    const ScreenPoint c = DefaultPosition(W, H, right);
    ExpectAt(DefaultPositionFromWorkArea(ScreenRect{0, 0, 1200, H}), c.x, c.y);
    ExpectAt(DefaultPositionFromWorkArea(ScreenRect{0, 30, W, H}), W - 50, H - 50);
}

}  // namespace
}  // namespace plk
