#include "app/DefaultPosition.h"

namespace plk {
namespace {

const int kMargin = 50;

}  // namespace

ScreenPoint defaultPosition(int screenWidth, int screenHeight, const ScreenRect& taskbar) {
    const int rightOffset = taskbar.left > 0 ? screenWidth - taskbar.left : 0;
    const int bottomOffset = taskbar.top > 0 ? screenHeight - taskbar.top : 0;
    return ScreenPoint{screenWidth - kMargin - rightOffset, screenHeight - kMargin - bottomOffset};
}

ScreenPoint defaultPositionFromWorkArea(const ScreenRect& workArea) {
    return ScreenPoint{workArea.right - kMargin, workArea.bottom - kMargin};
}

}  // namespace plk
