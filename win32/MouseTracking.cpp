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

}  // namespace plk
