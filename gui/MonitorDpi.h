// The DPI of the monitor a window or a point is on. The functions that tell
// a monitor's own DPI came with Windows 8.1 (shcore's GetDpiForMonitor) and
// Windows 10 (GetDpiForWindow, AdjustWindowRectExForDpi); they are looked up
// while the program runs, so that it still starts on Windows 7, where every
// monitor has the system's one DPI.
#pragma once

#include <windows.h>

#include "display/DisplayScale.h"

// Windows 8.1's message, absent from headers aimed at Windows 7.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace plk {

// The DPI the whole desktop had when the user logged on.
int systemDpi();
// The DPI of the monitor that holds the window (most of it), or the system's.
int dpiForWindow(HWND window);
// The DPI of the monitor nearest to the screen point, or the system's.
int dpiAtPoint(POINT screenPoint);
// The primary monitor's DPI: where the dialogs first appear.
int primaryMonitorDpi();

// The window size whose client area is width × height at that DPI, for a
// window of these styles (its caption and borders scale too).
SIZE outerSizeForClient(int width, int height, DWORD style, DWORD exStyle, int dpi);

// WM_DPICHANGED: the new DPI, and the place Windows suggests for the window.
inline int dpiOfMessage(WPARAM wParam) { return HIWORD(wParam); }
inline RECT suggestedRectOfMessage(LPARAM lParam) { return *reinterpret_cast<const RECT*>(lParam); }

}  // namespace plk
