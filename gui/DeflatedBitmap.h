// Bitmaps kept in the program's resources as deflated BMP files (RCDATA):
// the display-scale strips are mostly flat colour, and deflated they cost
// the exe a twelfth of their size. Inflated when a window first needs them.
#pragma once

#include <windows.h>

#include "system/Handles.h"

namespace plk {

// The bitmap of resource id of module, as a DIB section; empty when the
// resource is missing, does not inflate, or is no uncompressed BMP.
BitmapHandle loadDeflatedBitmap(HINSTANCE module, int id);

}  // namespace plk
