// The column the pointer may cross between the Play button and the Play
// Again button above it without sending the Play Again button away.
#pragma once

namespace plk {

struct ButtonPlace {
    int left, top, width, height;
};

// True when (x, y) lies from the Play button's left to its right edge and
// from the Play Again button's top to the Play button's bottom edge, all
// bounds included (the right and bottom bounds are one pixel outside the
// button, as left + width and top + height are).
bool isInPointerColumn(const ButtonPlace& playButton, int playAgainTop, int x, int y);

}  // namespace plk
