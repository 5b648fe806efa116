// The Play button's brightness: its window alpha and the two fade timers,
// as plain state stepped by the timers' ticks. The window forwards the
// pointer, the mouse buttons and the ticks here, then applies the alpha and
// starts or stops its timers to match running().
#pragma once

#include "face/FadeState.h"

namespace plk {

class ButtonBrightness : public FadeState {
public:
    // The window's timers, by their ids, and how often each ticks.
    enum Timer { Timer1 = 1, Timer2 = 2 };  // fade-in to 205, fade-out to 125
    static constexpr FadeTimer kTimers[] = {{Timer1, 10}, {Timer2, 10}};

    int alpha() const { return alpha_; }

    // The pointer came onto the picture: the fade-out gives way to the fade-in.
    void pointerEntered();
    // The pointer left the picture or the frame: the other way round.
    void pointerLeft();
    // Any mouse button, on the picture. The timers run on.
    void press() { alpha_ = kFullAlpha; }
    void release() { alpha_ = kHoverAlpha; }
    // The hotkey's light and its fade-out, which starts without stopping a
    // running fade-in: that one stops at its next tick, setting 205.
    void setAlpha(int alpha) { alpha_ = alpha; }
    void startFadeOut() { start(Timer2); }

    void tick(int timer);

private:
    int alpha_ = kRestAlpha;
};

}  // namespace plk
