// Where the program's dialogs go on the screen.
#pragma once

#include <windows.h>

namespace plk {

// The primary screen less the taskbar, in screen coordinates.
RECT WorkArea();

// Moves window, keeping its size, to the centre of the primary screen.
void CenterOnScreen(HWND window);

}  // namespace plk
