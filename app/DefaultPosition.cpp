#include "app/DefaultPosition.h"

namespace plk {

ScreenPoint defaultPosition(int screenWidth, int screenHeight, const ScreenRect& taskbar, int margin) {
    const int rightOffset = taskbar.left > 0 ? screenWidth - taskbar.left : 0;
    const int bottomOffset = taskbar.top > 0 ? screenHeight - taskbar.top : 0;
    return ScreenPoint{screenWidth - margin - rightOffset, screenHeight - margin - bottomOffset};
}

ScreenPoint defaultPositionFromWorkArea(const ScreenRect& workArea, int margin) {
    return ScreenPoint{workArea.right - margin, workArea.bottom - margin};
}

}  // namespace plk
