// Where the program's dialogs go on the screen.
#pragma once

#include <windows.h>

namespace plk {

// The primary screen less the taskbar, in screen coordinates.
RECT workArea();

// True when some part of the rectangle at (left, top) of that size lies on a
// monitor of the current desktop.
bool isOnAnyMonitor(int left, int top, int width, int height);

// Moves window, keeping its size, to the centre of the primary screen.
void centerOnScreen(HWND window);

}  // namespace plk
