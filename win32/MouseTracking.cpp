#include "win32/MouseTracking.h"

namespace plk {

void TrackMouseLeave(HWND window) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
}

POINT PointerPosition() {
    POINT at{};
    GetCursorPos(&at);
    return at;
}

bool PointerOver(HWND window) { return WindowFromPoint(PointerPosition()) == window; }

bool FrameMouseMessage(HWND window, HWND picture, UINT message, const std::function<void()>& onLeave) {
    if (message == WM_MOUSEMOVE) {
        TrackMouseLeave(window);
        return true;
    }
    if (message == WM_MOUSELEAVE) {
        if (!PointerOver(picture)) onLeave();
        return true;
    }
    return false;
}

}  // namespace plk
