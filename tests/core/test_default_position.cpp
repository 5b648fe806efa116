#include <gtest/gtest.h>

#include "app/DefaultPosition.h"

namespace plk {
namespace {

const int W = 1280, H = 1024;

void expectAt(ScreenPoint point, int x, int y) {
    EXPECT_EQ(point.x, x);
    EXPECT_EQ(point.y, y);
}

TEST(DefaultPosition, TaskbarAtTheBottom) {
    expectAt(defaultPosition(W, H, ScreenRect{0, 994, W, H}), W - 50, 994 - 50);
}

TEST(DefaultPosition, TaskbarAtTheRight) {
    expectAt(defaultPosition(W, H, ScreenRect{1200, 0, W, H}), 1200 - 50, H - 50);
}

TEST(DefaultPosition, TaskbarAtTheTopOrLeft) {
    expectAt(defaultPosition(W, H, ScreenRect{0, 0, W, 30}), W - 50, H - 50);
    expectAt(defaultPosition(W, H, ScreenRect{0, 0, 60, H}), W - 50, H - 50);
    // An edge off the screen (a second monitor to the left) counts as none.
    expectAt(defaultPosition(W, H, ScreenRect{-2, -2, 60, H}), W - 50, H - 50);
}

TEST(DefaultPosition, WorkAreaGivesTheSamePlace) {
    const ScreenRect bottom{0, 994, W, H}, right{1200, 0, W, H};
    const ScreenPoint a = defaultPosition(W, H, bottom);
    const ScreenPoint b = defaultPositionFromWorkArea(ScreenRect{0, 0, W, 994});
    expectAt(b, a.x, a.y);
    const ScreenPoint c = defaultPosition(W, H, right);
    expectAt(defaultPositionFromWorkArea(ScreenRect{0, 0, 1200, H}), c.x, c.y);
    expectAt(defaultPositionFromWorkArea(ScreenRect{0, 30, W, H}), W - 50, H - 50);
}

}  // namespace
}  // namespace plk
