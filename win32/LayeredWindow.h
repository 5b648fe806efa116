// The program's floating windows (the Play button, the Play Again button and
// the Song Tag popup) are layered: pixels of the colour key are see-through
// and the whole window is blended with one alpha value. Their frame is a
// black outline under the picture, one pixel thick at 96 DPI.
#pragma once

#include <windows.h>

#include <string>

#include "win32/Window.h"

namespace plk {

const COLORREF kColourKey = RGB(255, 0, 255);

// A borderless layered window of this size, hidden, whose own background
// painting leaves everything to its frame and picture.
WindowParams layeredWindowParams(const char* className, const std::string& text, int width, int height);

// The window's alpha, 0 (invisible) to 255 (opaque), with the colour key.
void setWindowAlpha(HWND window, int alpha);

// Z-order changes that neither move, size nor activate the window. At the
// bottom, the window lies behind every other window but its owner.
void placeTopmost(HWND window);
void placeAtBottom(HWND window);

// Moves and sizes the window without touching its z-order or activating it.
void moveWindowTo(HWND window, int left, int top, int width, int height);

// Shape1: a black outline round width × height, filled with fill; one
// pixel thick at 96 DPI, thickness pixels at the window's scale.
void drawFrame(HDC dc, int width, int height, HBRUSH fill, int thickness = 1);

}  // namespace plk
