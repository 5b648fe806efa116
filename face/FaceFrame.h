// What the three floating windows look like as windows: layered, with
// magenta as the colour key (its pixels are see-through, and the picture
// filter never makes it where the picture had none), blended with one
// alpha value, and drawn in a black frame (Shape1) one pixel thick at 96 DPI.
#pragma once

#include <windows.h>

#include "display/DisplayScale.h"

namespace plk {

const COLORREF kColourKey = RGB(255, 0, 255);

// The window's alpha, 0 (invisible) to 255 (opaque), with the colour key.
void setFaceAlpha(HWND window, int alpha);

// Shape1: a black outline round a window of this size at scale, filled with fill.
void drawFaceFrame(HDC dc, PixelSize window, HBRUSH fill, const DisplayScale& scale);

}  // namespace plk
