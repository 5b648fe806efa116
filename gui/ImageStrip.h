// Image strips: a bitmap of equal pictures side by side, of which one at a
// time is drawn. Plain GDI rather than an image list: a window may draw its
// picture before the common controls library is loaded.
#pragma once

#include <windows.h>

#include "display/DisplayScale.h"
#include "system/Handles.h"

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

// The strip of pictures in drawn, each made picture's size: as drawn when
// it has that size already, else reduced or enlarged with the area filter,
// picture by picture, so that no picture's edge bleeds into the next; the
// filter makes no pixel colourKey unless all it covers is. An empty drawn
// bitmap gives an empty strip.
ImageStrip fittedImageStrip(BitmapHandle drawn, int pictures, PixelSize picture, COLORREF colourKey);

}  // namespace plk
