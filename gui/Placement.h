// Where the program's dialogs go on the screen.
#pragma once

#include <windows.h>

namespace plk {

// The primary screen less the taskbar, in screen coordinates.
RECT workArea();

// Moves window, keeping its size, to the centre of the primary screen.
void centerOnScreen(HWND window);

}  // namespace plk
