#include "face/PlayAgainFade.h"

#include <algorithm>

namespace plk {
namespace {

const int kAppearStep = 25;
const int kPointerStep = 5;
const int kFadeAwayStep = 25;
const int kFlashStep = 20;
const int kFlashPeak = 220;  // the rise stops at the first level at or above it

}  // namespace

void PlayAgainFade::appear() {
    visible_ = true;
    stop(Timer5);
    start(Timer1);
}

void PlayAgainFade::dismiss() {
    if (!visible_ || flashing()) return;
    stop(Timer1);
    start(Timer5);
}

void PlayAgainFade::flash() {
    visible_ = true;
    start(Timer6);
}

void PlayAgainFade::pointerEntered() {
    stop(Timer5);
    stop(Timer3);
    start(Timer2);
}

void PlayAgainFade::pointerLeft() {
    stop(Timer2);
    start(Timer3);
}

void PlayAgainFade::hide() {
    visible_ = false;
    alpha_ = 0;
    for (Timer timer : {Timer1, Timer5, Timer6, Timer7}) stop(timer);
}

void PlayAgainFade::stepTowards(Timer timer, int limit, int step) {
    // One step of the pointer timers: at the limit they stop and set it.
    if (step > 0 ? alpha_ < limit : alpha_ > limit) {
        alpha_ += step;
    } else {
        stop(timer);
        alpha_ = limit;
    }
}

void PlayAgainFade::fadeToHidden(Timer timer, int step) {
    // Down to 0, not below; the tick after that hides the button.
    if (alpha_ > 0) {
        alpha_ = std::max(0, alpha_ - step);
    } else {
        stop(timer);
        hide();
    }
}

void PlayAgainFade::tick(int timer) {
    if (!running(timer)) return;  // a tick that was queued before the timer stopped
    switch (timer) {
    case Timer1:
        if (alpha_ < kRestAlpha) alpha_ += kAppearStep;
        else stop(Timer1);
        break;
    case Timer2: stepTowards(Timer2, kHoverAlpha, kPointerStep); break;
    case Timer3: stepTowards(Timer3, kRestAlpha, -kPointerStep); break;
    case Timer5: fadeToHidden(Timer5, kFadeAwayStep); break;
    case Timer6:
        if (alpha_ < kFlashPeak) {
            alpha_ += kFlashStep;
        } else {
            start(Timer7);
            stop(Timer6);
        }
        break;
    case Timer7: fadeToHidden(Timer7, kFlashStep); break;
    default: break;
    }
}

}  // namespace plk
