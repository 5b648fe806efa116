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
    // The primary monitor, and a second one to its left, lower down.
    const std::vector<ScreenRect> two{{0, 0, kWidth, kHeight}, {-1024, 200, 0, 968}}, one{two[0]};
    struct Case {
        ScreenPoint place;
        int size;
        const std::vector<ScreenRect>& monitors;
        bool stays;
    };
    const Case cases[] = {
        {{kWidth - 1, 500}, 37, one, true},  // one column on the screen
        {{kWidth, 500}, 37, one, false},     // touching its right edge
        {{500, -37}, 37, one, false},        // touching its top edge
        {{-50, 500}, 56, one, true},         // at 150 % it reaches onto the screen
        {{-600, 500}, 37, two, true},        // on the second monitor
        {{-600, 500}, 37, one, false},       // that monitor unplugged
        {{-600, 150}, 37, two, false},       // above the lower monitor
        {{INT_MAX, INT_MAX}, 37, one, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.place.x << ", " << c.place.y);
        const ScreenPoint place = reachablePlace(c.place, PixelSize{c.size, c.size}, c.monitors, home);
        expectAt(place, c.stays ? c.place.x : home.x, c.stays ? c.place.y : home.y);
    }
}

}  // namespace
}  // namespace plk
