// Between GDI bitmaps and the portable Pixels that the picture filter works
// on, for pictures shown at a display scale they were not drawn for.
#pragma once

#include <windows.h>

#include "display/AreaResample.h"
#include "system/Handles.h"

namespace plk {

// The header of a top-down 24-bit DIB (rows padded to four bytes).
BITMAPINFO topDownRgb(int width, int height);

// The bitmap's pixels (blue, green, red), or an empty picture when GDI
// cannot read it.
Pixels pixelsOfBitmap(HBITMAP bitmap);

// A 24-bit DIB section holding the pixels (blue, green, red).
BitmapHandle bitmapOfPixels(const Pixels& pixels);

// A colour as Pixels hold it.
Colour pixelColour(COLORREF colour);

// The bitmap reduced or enlarged to width × height with the area filter;
// no pixel comes out colourKey unless all it covers is.
BitmapHandle resizedBitmap(HBITMAP bitmap, int width, int height, COLORREF colourKey);

}  // namespace plk
