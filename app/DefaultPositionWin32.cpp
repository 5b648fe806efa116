#include "app/DefaultPositionWin32.h"

#include <windows.h>

#include "gui/MonitorDpi.h"
#include "system/Shell32.h"

namespace plk {
namespace {

// The shell's record is 36 bytes in a 32-bit program and 48 in a 64-bit one
// (the window handle and lParam widen to 8 bytes, and padding follows the
// size field); its size field tells the shell which layout it was given.
static_assert(sizeof(void*) != 4 || sizeof(APPBARDATA) == 36, "APPBARDATA of a 32-bit program");
static_assert(sizeof(void*) != 8 || sizeof(APPBARDATA) == 48, "APPBARDATA of a 64-bit program");

ScreenRect screenRect(const RECT& rect) { return ScreenRect{rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK addMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
    reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back(screenRect(*rect));
    return TRUE;
}

}  // namespace

// Clear of the taskbar. When the shell cannot say where the taskbar is, the
// work area (the screen less the taskbar) gives the same place; failing
// that, the whole screen. The margin is the primary screen's 50 pixels at
// 96 DPI.
ScreenPoint defaultButtonPosition() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const int margin = DisplayScale(primaryMonitorDpi()).px(kDefaultMargin);
    APPBARDATA taskbar{};
    taskbar.cbSize = sizeof taskbar;
    if (shAppBarMessage(ABM_GETTASKBARPOS, &taskbar)) return defaultPosition(width, height, screenRect(taskbar.rc), margin);
    RECT work{};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return defaultPositionFromWorkArea(screenRect(work), margin);
    return defaultPositionFromWorkArea(ScreenRect{0, 0, width, height}, margin);
}

std::vector<ScreenRect> monitorRects() {
    // With no device context and no clipping rectangle each monitor's
    // rectangle is its whole area in virtual-screen coordinates.
    std::vector<ScreenRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &addMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace plk
