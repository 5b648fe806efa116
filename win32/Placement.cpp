#include "win32/Placement.h"

#include <climits>

namespace plk {

RECT workArea() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

bool isOnAnyMonitor(int left, int top, int width, int height) {
    // At the far end of the integer range the right or bottom edge would
    // wrap round; no monitor lies out there.
    if (left > INT_MAX - width || top > INT_MAX - height) return false;
    const RECT rect{left, top, left + width, top + height};
    return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr;
}

void centerOnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace plk
