#include "face/FaceLayout.h"

namespace plk {
namespace {

// The companions' other sides at 96 DPI; each shares one with the button.
const int kPlayAgainHeight = 15;
const int kSongTagWidth = 152;

}  // namespace

FaceLayout faceLayout(const DisplayScale& scale) {
    FaceLayout layout;
    layout.frame = scale.px(1) > 0 ? scale.px(1) : 1;
    const int side = scale.px(kButtonSide);
    layout.button = {side, side};
    layout.playAgain = {side, scale.px(kPlayAgainHeight)};
    layout.songTag = {scale.px(kSongTagWidth), side};
    layout.songTagLeftOfButton = layout.songTag.width + 1;
    layout.playAgainAboveButton = layout.playAgain.height - layout.frame;
    return layout;
}

}  // namespace plk
