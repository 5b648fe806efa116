#include <gtest/gtest.h>

#include "app/DefaultPosition.h"

namespace plk {
namespace {

const int kWidth = 1280, kHeight = 1024;

void expectAt(ScreenPoint point, int x, int y) {
    EXPECT_EQ(point.x, x);
    EXPECT_EQ(point.y, y);
}

TEST(DefaultPosition, TaskbarAtTheBottom) {
    expectAt(defaultPosition(kWidth, kHeight, ScreenRect{0, 994, kWidth, kHeight}), kWidth - 50, 994 - 50);
}

TEST(DefaultPosition, TaskbarAtTheRight) {
    expectAt(defaultPosition(kWidth, kHeight, ScreenRect{1200, 0, kWidth, kHeight}), 1200 - 50, kHeight - 50);
}

TEST(DefaultPosition, TaskbarAtTheTopOrLeft) {
    expectAt(defaultPosition(kWidth, kHeight, ScreenRect{0, 0, kWidth, 30}), kWidth - 50, kHeight - 50);
    expectAt(defaultPosition(kWidth, kHeight, ScreenRect{0, 0, 60, kHeight}), kWidth - 50, kHeight - 50);
    // An edge off the screen (a second monitor to the left) counts as none.
    expectAt(defaultPosition(kWidth, kHeight, ScreenRect{-2, -2, 60, kHeight}), kWidth - 50, kHeight - 50);
}

TEST(DefaultPosition, WorkAreaGivesTheSamePlace) {
    const ScreenRect bottom{0, 994, kWidth, kHeight}, right{1200, 0, kWidth, kHeight};
    const ScreenPoint a = defaultPosition(kWidth, kHeight, bottom);
    const ScreenPoint b = defaultPositionFromWorkArea(ScreenRect{0, 0, kWidth, 994});
    expectAt(b, a.x, a.y);
    const ScreenPoint c = defaultPosition(kWidth, kHeight, right);
    expectAt(defaultPositionFromWorkArea(ScreenRect{0, 0, 1200, kHeight}), c.x, c.y);
    expectAt(defaultPositionFromWorkArea(ScreenRect{0, 30, kWidth, kHeight}), kWidth - 50, kHeight - 50);
    expectAt(defaultPositionFromWorkArea(ScreenRect{60, 0, kWidth, kHeight}), 1230, 974);  // taskbar at the left
}

TEST(DefaultPosition, ScaledMarginKeepsTheButtonAsFarFromTheCorner) {
    // 150 %: the margin of 50 pixels at 96 DPI is 75.
    const ScreenRect bottom{0, 994, kWidth, kHeight};
    expectAt(defaultPosition(kWidth, kHeight, bottom, 75), kWidth - 75, 994 - 75);
    expectAt(defaultPositionFromWorkArea(ScreenRect{0, 0, kWidth, 994}, 75), kWidth - 75, 994 - 75);
}

}  // namespace
}  // namespace plk
