#include "gui/MonitorDpi.h"

#include "system/Handles.h"
#include "system/SystemLibrary.h"

namespace plk {
namespace {

// The Windows 10 functions of user32, which every GUI program has loaded.
template <typename Function>
Function user32Function(const char* name) {
    return systemFunction<Function>("user32.dll", name);
}

// shcore.dll (Windows 8.1 and later) is not loaded by default.
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

GetDpiForMonitorFunction getDpiForMonitor() {
    static const auto function = systemFunction<GetDpiForMonitorFunction>("shcore.dll", "GetDpiForMonitor");
    return function;
}

const int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

int dpiForMonitor(HMONITOR monitor) {
    UINT dpiX = 0, dpiY = 0;
    if (const auto function = getDpiForMonitor())
        if (monitor && SUCCEEDED(function(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiY > 0)
            return static_cast<int>(dpiY);
    return systemDpi();
}

}  // namespace

int systemDpi() {
    using GetDpiForSystemFunction = UINT(WINAPI*)();
    static const auto getDpiForSystem = user32Function<GetDpiForSystemFunction>("GetDpiForSystem");
    if (getDpiForSystem)
        if (const UINT dpi = getDpiForSystem()) return static_cast<int>(dpi);
    const WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kBaseDpi;
}

int dpiForWindow(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    return dpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int dpiAtPoint(POINT screenPoint) { return dpiForMonitor(MonitorFromPoint(screenPoint, MONITOR_DEFAULTTONEAREST)); }

int primaryMonitorDpi() { return dpiAtPoint(POINT{0, 0}); }

SIZE outerSizeForClient(int width, int height, DWORD style, DWORD exStyle, int dpi) {
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, width, height};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace plk
