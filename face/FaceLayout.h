// Sizes and places of the three floating windows at a display scale: the
// Play button, Play Again above it and the Song Tag popup to its left, each
// a picture inside a black frame. Lengths that must fit together (a picture
// inside its frame, the popup beside the button, Play Again on top of it)
// are worked out from the scaled sizes rather than scaled on their own, so
// the windows meet exactly as they do at 96 DPI.
#pragma once

#include "display/DisplayScale.h"

namespace plk {

// A companion window's size and its place from the Play button's top left
// corner.
struct CompanionPlace {
    PixelSize window;
    int left = 0;
    int top = 0;
};

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
    PixelSize inside(PixelSize window) const { return {window.width - 2 * frame, window.height - 2 * frame}; }

    CompanionPlace songTagPlace() const { return {songTag, -songTagLeftOfButton, 0}; }
    CompanionPlace playAgainPlace() const { return {playAgain, 0, -playAgainAboveButton}; }
};

// The button's side at 96 DPI; its picture is two frame widths less.
const int kButtonSide = 37;

FaceLayout faceLayout(const DisplayScale& scale);

}  // namespace plk
