#include "gui/MouseTracking.h"

namespace plk {

void trackMouseLeave(HWND window) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
}

POINT pointerPosition() {
    POINT at{};
    GetCursorPos(&at);
    return at;
}

bool pointerOver(HWND window) { return WindowFromPoint(pointerPosition()) == window; }

bool frameMouseMessage(HWND window, HWND picture, UINT message, const std::function<void()>& onLeave) {
    if (message == WM_MOUSEMOVE) {
        trackMouseLeave(window);
        return true;
    }
    if (message == WM_MOUSELEAVE) {
        if (!pointerOver(picture)) onLeave();
        return true;
    }
    return false;
}

}  // namespace plk
