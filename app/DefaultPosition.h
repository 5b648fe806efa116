// Where the Play button sits when no position is saved: 50 pixels in from
// the right and the bottom of the screen, and clear of a taskbar docked at
// the right or the bottom. On a scaled display the margin is 50 pixels at
// that scale. That place is also where a button goes back to when none of it
// lies on a monitor any more.
#pragma once

#include <vector>

#include "display/DisplayScale.h"

namespace plk {

const int kDefaultMargin = 50;

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// From the primary screen's size and the taskbar's rectangle. Only the
// taskbar's left and top edges matter: an edge at 0 or less means the
// taskbar does not cut into that side.
ScreenPoint defaultPosition(int screenWidth, int screenHeight, const ScreenRect& taskbar,
                            int margin = kDefaultMargin);

// When the taskbar cannot be asked for: the same place, measured from the
// work area (the screen less the taskbar), which gives the same result for
// a taskbar at any edge.
ScreenPoint defaultPositionFromWorkArea(const ScreenRect& workArea, int margin = kDefaultMargin);

// Where a window of that size can stay: at its place while some part of it
// lies on one of the monitors (each a screen rectangle), so the user can
// still reach it and drag it back; at home when none of it does (its
// monitor unplugged, a resolution lowered). Touching a monitor's edge is
// not lying on it.
ScreenPoint reachablePlace(ScreenPoint place, PixelSize size, const std::vector<ScreenRect>& monitors,
                           ScreenPoint home);

}  // namespace plk
