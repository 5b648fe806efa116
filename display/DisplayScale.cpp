#include "display/DisplayScale.h"

#include <cstdint>

namespace plk {
namespace {

// The 96-DPI sizes of the floating windows.
const int kButtonSide = 37;
const int kPlayAgainHeight = 15;
const int kSongTagWidth = 152;

}  // namespace

DisplayScale::DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

int DisplayScale::px(int length) const {
    // Wide enough for any length times any DPI; halves go away from zero.
    const std::int64_t product = static_cast<std::int64_t>(length) * dpi_;
    const std::int64_t magnitude = (product < 0 ? -product : product) + kBaseDpi / 2;
    const std::int64_t rounded = magnitude / kBaseDpi;
    return static_cast<int>(product < 0 ? -rounded : rounded);
}

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

int artScaleFor(int dpi) {
    for (int percent : kArtScales)
        if (artDpi(percent) >= dpi) return percent;
    return kArtScales[sizeof kArtScales / sizeof kArtScales[0] - 1];
}

int artDpi(int percent) { return kBaseDpi * percent / 100; }

}  // namespace plk
