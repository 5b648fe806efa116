#include "face/SongTagFade.h"

namespace plk {
namespace {

const int kStep = 10;

}  // namespace

void SongTagFade::stopTimers() {
    stop(Timer2);
    stop(Timer1);
    stop(Timer3);
}

void SongTagFade::showSong() {
    if (visible_) {
        // No new fade-in: the hold starts again from its beginning.
        alpha_ = kFullAlpha;
        start(Timer2);
    } else {
        visible_ = true;
        start(Timer1);
    }
}

void SongTagFade::hide() {
    visible_ = false;
    alpha_ = kRestAlpha;
    stopTimers();
}

void SongTagFade::tick(int timer) {
    if (!running(timer)) return;  // a tick that was queued before the timer stopped
    switch (timer) {
    case Timer1:
        if (alpha_ < kFullAlpha) {
            alpha_ += kStep;
        } else {
            stop(Timer1);
            start(Timer2);
        }
        break;
    case Timer2:
        alpha_ = kFullAlpha;
        start(Timer3);
        stop(Timer2);
        break;
    case Timer3:
        if (alpha_ > kRestAlpha) alpha_ -= kStep;
        else hide();
        break;
    default: break;
    }
}

}  // namespace plk
