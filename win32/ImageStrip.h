// Image strips: a bitmap resource of equal pictures side by side, cut into
// an image list.
#pragma once

#include "win32/Handles.h"

namespace plk {

// The strip's pictures, each width × height, in order. A missing resource
// gives an empty list, on which drawing draws nothing.
ImageListHandle loadImageStrip(int resourceId, int width, int height);

}  // namespace plk
