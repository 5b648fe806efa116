#include "face/ButtonBrightness.h"

namespace plk {
namespace {

const int kStep = 5;

}  // namespace

void ButtonBrightness::pointerEntered() {
    stop(Timer2);
    start(Timer1);
}

void ButtonBrightness::pointerLeft() {
    stop(Timer1);
    start(Timer2);
}

void ButtonBrightness::tick(int timer) {
    if (timer == Timer1 && running(Timer1)) {
        // From 235 (pressed, or the hotkey) the first tick drops to 205.
        if (alpha_ < kHoverAlpha) {
            alpha_ += kStep;
        } else {
            stop(Timer1);
            alpha_ = kHoverAlpha;
        }
    } else if (timer == Timer2 && running(Timer2)) {
        if (alpha_ > kRestAlpha) {
            alpha_ -= kStep;
        } else {
            stop(Timer2);
            alpha_ = kRestAlpha;
        }
    }
}

}  // namespace plk
