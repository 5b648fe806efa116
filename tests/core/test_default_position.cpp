#include <gtest/gtest.h>

#include <climits>
#include <vector>

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

TEST(DefaultPosition, APlaceOnNoMonitorGoesHome) {
    const ScreenPoint home{1230, 944};
    const PixelSize at100{37, 37}, at150{56, 56};
    // The primary monitor, and a second one to its left, 1024 pixels wide and lower down.
    const std::vector<ScreenRect> two{{0, 0, kWidth, kHeight}, {-1024, 200, 0, 968}};
    const std::vector<ScreenRect> one{two[0]}, none;
    struct Case {
        const char* what;
        ScreenPoint place;
        PixelSize size;
        const std::vector<ScreenRect>& monitors;
        bool stays;
    };
    const Case cases[] = {
        {"wholly on the primary monitor", {100, 100}, at100, one, true},
        {"one column on the screen at the right", {kWidth - 1, 500}, at100, one, true},
        {"one row on the screen at the top", {500, -36}, at100, one, true},
        {"just past the right edge", {kWidth, 500}, at100, one, false},
        {"just above the top edge", {500, -37}, at100, one, false},
        {"left of the screen at 100 %", {-50, 500}, at100, one, false},
        {"its 150 % size reaches onto the screen", {-50, 500}, at150, one, true},
        {"on the second monitor", {-600, 500}, at100, two, true},
        {"the second monitor unplugged", {-600, 500}, at100, one, false},
        {"above the lower second monitor", {-600, 150}, at100, two, false},
        {"in the corner between the two monitors", {-20, 180}, at100, two, true},
        {"no monitor at all", {100, 100}, at100, none, false},
        {"at the far end of the integer range", {INT_MAX, INT_MAX}, at100, one, false},
        {"at the near end of the integer range", {INT_MIN, INT_MIN}, at100, one, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ScreenPoint place = reachablePlace(c.place, c.size, c.monitors, home);
        if (c.stays) expectAt(place, c.place.x, c.place.y);
        else expectAt(place, home.x, home.y);
    }
}

}  // namespace
}  // namespace plk
