#include "app/DefaultPosition.h"

namespace plk {
namespace {

// In 64 bits: a place read from the settings file may lie at the far end of
// the integer range, where its right or bottom edge would wrap round.
bool overlaps(ScreenPoint place, PixelSize size, const ScreenRect& monitor) {
    const long long left = place.x, top = place.y;
    return left < monitor.right && left + size.width > monitor.left && top < monitor.bottom &&
           top + size.height > monitor.top;
}

}  // namespace

ScreenPoint defaultPosition(int screenWidth, int screenHeight, const ScreenRect& taskbar, int margin) {
    const int rightOffset = taskbar.left > 0 ? screenWidth - taskbar.left : 0;
    const int bottomOffset = taskbar.top > 0 ? screenHeight - taskbar.top : 0;
    return ScreenPoint{screenWidth - margin - rightOffset, screenHeight - margin - bottomOffset};
}

ScreenPoint defaultPositionFromWorkArea(const ScreenRect& workArea, int margin) {
    return ScreenPoint{workArea.right - margin, workArea.bottom - margin};
}

ScreenPoint reachablePlace(ScreenPoint place, PixelSize size, const std::vector<ScreenRect>& monitors,
                           ScreenPoint home) {
    for (const ScreenRect& monitor : monitors)
        if (overlaps(place, size, monitor)) return place;
    return home;
}

}  // namespace plk
