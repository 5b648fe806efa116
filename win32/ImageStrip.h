// Image strips: a bitmap resource of equal pictures side by side, cut into
// an image list.
#pragma once

#include "display/DisplayScale.h"
#include "win32/Handles.h"

namespace plk {

// The strip's pictures, each width × height, in order. A missing resource
// gives an empty list, on which drawing draws nothing.
ImageListHandle loadImageStrip(int resourceId, int width, int height);

// The strip of five pictures drawn for the artwork scale of the DPI (see
// artScaleFor), each made picture's size: as drawn when it has that size
// already, else reduced (or, beyond the largest scale, enlarged) with the
// area filter, picture by picture. resourceId is the strip's 100 % resource.
ImageListHandle loadScaledImageStrip(int resourceId, const DisplayScale& scale, PixelSize picture);

// The resource of a strip at an artwork scale: the 100 % strip's own id, or
// (id - 100) * 1000 + per cent (IDB_PLAYBUTTON at 150 % is 1150).
int scaledStripResource(int resourceId, int percent);

}  // namespace plk
