// Layered windows: borderless popups whose pixels of a colour key are
// see-through and which are blended as a whole with one alpha value, and the
// placing such floating windows need.
#pragma once

#include <windows.h>

#include <string>

#include "gui/Window.h"

namespace plk {

// A borderless layered window of this size, hidden, whose own background
// painting leaves everything to its frame and picture.
WindowParams layeredWindowParams(const char* className, const std::string& text, int width, int height);

// The window's alpha, 0 (invisible) to 255 (opaque), with colourKey.
void setWindowAlpha(HWND window, int alpha, COLORREF colourKey);

// Z-order changes that neither move, size nor activate the window. At the
// bottom, the window lies behind every other window but its owner.
void placeTopmost(HWND window);
void placeAtBottom(HWND window);

// Moves and sizes the window without activating it. Its place in the z-order
// stays, unless insertAfter names one (HWND_TOPMOST, say; HWND_TOP is null and
// so means none): one request instead of two for a window placed and raised.
void moveWindowTo(HWND window, int left, int top, int width, int height, HWND insertAfter = nullptr);

// A black outline thickness pixels thick round width × height, filled with fill.
void drawFrame(HDC dc, int width, int height, HBRUSH fill, int thickness);

}  // namespace plk
