// The theme strips: for each floating window a bitmap of five pictures side
// by side in theme order, drawn at each artwork scale (ArtScale).
#pragma once

#include "display/DisplayScale.h"
#include "gui/ImageStrip.h"

namespace plk {

const int kThemeCount = 5;

// The strip drawn for the artwork scale of the DPI (see artScaleFor), each
// made picture's size: as drawn when it has that size already, else resized
// with the area filter. resourceId is the strip's 100 % resource. A missing
// resource gives an empty strip.
ImageStrip loadThemeStrip(int resourceId, const DisplayScale& scale, PixelSize picture);

// The resource of a strip at an artwork scale: the 100 % strip's own id, or
// (id - 100) * 1000 + per cent (IDB_PLAYBUTTON at 150 % is 1150).
int scaledStripResource(int resourceId, int percent);

}  // namespace plk
