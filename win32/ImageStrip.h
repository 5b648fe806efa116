// Image strips: a bitmap resource of equal pictures side by side, of which
// one at a time is drawn. Plain GDI rather than an image list: the Play
// button draws its picture before it is shown, and the common controls
// library is loaded only after that.
#pragma once

#include <windows.h>

#include "display/DisplayScale.h"
#include "win32/Handles.h"

namespace plk {

class ImageStrip {
public:
    // An empty strip: it has no pictures and draws nothing.
    ImageStrip() = default;
    // The pictures of bitmap, each picture-sized, from its left edge; a last
    // picture cut short by the bitmap's edge is not one.
    ImageStrip(BitmapHandle bitmap, PixelSize picture);

    int count() const { return count_; }
    // Copies picture number index to (0, 0) of dc. An index the strip does
    // not have draws nothing and answers false.
    bool draw(int index, HDC dc) const;

private:
    BitmapHandle bitmap_;
    PixelSize picture_{};
    int count_ = 0;
};

// The strip of five pictures drawn for the artwork scale of the DPI (see
// artScaleFor), each made picture's size: as drawn when it has that size
// already, else reduced (or, beyond the largest scale, enlarged) with the
// area filter, picture by picture. resourceId is the strip's 100 % resource.
// A missing resource gives an empty strip.
ImageStrip loadScaledImageStrip(int resourceId, const DisplayScale& scale, PixelSize picture);

// The resource of a strip at an artwork scale: the 100 % strip's own id, or
// (id - 100) * 1000 + per cent (IDB_PLAYBUTTON at 150 % is 1150).
int scaledStripResource(int resourceId, int percent);

}  // namespace plk
