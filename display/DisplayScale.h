// Sizes and places of the program's windows at a monitor's DPI. Every window
// is laid out in pixels at 96 DPI (100 %); at another DPI each length is
// scaled by DPI / 96 and rounded to the nearest pixel, halves away from zero
// (as Windows' MulDiv rounds). Lengths that must fit together (a picture
// inside its frame, the popup beside the button, Play Again on top of it)
// are worked out from the scaled sizes rather than scaled on their own, so
// the windows meet exactly as they do at 96 DPI.
#pragma once

#include "resources/art_scales.h"

namespace plk {

const int kBaseDpi = 96;

class DisplayScale {
public:
    // A DPI the system cannot report (0 or less) counts as 96.
    explicit DisplayScale(int dpi = kBaseDpi);

    int dpi() const { return dpi_; }
    // A length of the 96-DPI layout at this scale.
    int px(int length) const;

    bool operator==(const DisplayScale& other) const { return dpi_ == other.dpi_; }
    bool operator!=(const DisplayScale& other) const { return dpi_ != other.dpi_; }

private:
    int dpi_;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize& other) const { return width == other.width && height == other.height; }
};

// The three floating windows: the Play button, Play Again above it and the
// Song Tag popup to its left, each a picture inside a black frame.
struct FaceLayout {
    int frame = 1;  // the frame's thickness; the picture starts at (frame, frame)
    PixelSize button;
    PixelSize playAgain;
    PixelSize songTag;
    // The popup's right edge lies one pixel left of the button:
    // popup left = button left - songTagLeftOfButton.
    int songTagLeftOfButton = 0;
    // Play Again's bottom row lies over the button's top row:
    // Play Again top = button top - playAgainAboveButton.
    int playAgainAboveButton = 0;

    PixelSize buttonPicture() const { return inside(button); }
    PixelSize playAgainPicture() const { return inside(playAgain); }
    PixelSize songTagPicture() const { return inside(songTag); }

private:
    PixelSize inside(PixelSize window) const { return {window.width - 2 * frame, window.height - 2 * frame}; }
};

FaceLayout faceLayout(const DisplayScale& scale);

// The artwork is drawn for these scales, in per cent (tools/art/make_art.py
// holds the list and writes the header).
const int kArtScales[] = {PLINKETY_ART_SCALES};

// The scale whose artwork a display of this DPI shows, reduced where the
// DPI lies between two: the nearest one at or above it, or the largest.
int artScaleFor(int dpi);

// The DPI an artwork scale was drawn for (125 % is 120 DPI).
int artDpi(int percent);

}  // namespace plk
