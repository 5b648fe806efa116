// The Play Again button's visibility and brightness: its window alpha, its
// six timers and whether it is shown, as plain state stepped by the timers'
// ticks. The window forwards the requests, the pointer, the mouse buttons
// and the ticks here, then applies the alpha, shows or hides itself (placing
// itself first when it becomes visible) and starts or stops its timers to
// match running().
#pragma once

#include "face/FadeState.h"

namespace plk {

class PlayAgainFade : public FadeState {
public:
    // The window's timers, by their ids (there is no Timer4), and how often
    // each ticks.
    enum Timer {
        Timer1 = 1,  // appear, up to 125
        Timer2 = 2,  // pointer on the picture, up to 205
        Timer3 = 3,  // pointer off the picture, down to 125
        Timer5 = 5,  // fade away and hide
        Timer6 = 6,  // flash up
        Timer7 = 7,  // flash down and hide
    };
    static constexpr FadeTimer kTimers[] = {{Timer1, 20}, {Timer2, 10}, {Timer3, 10},
                                                {Timer5, 20}, {Timer6, 10}, {Timer7, 10}};

    int alpha() const { return alpha_; }
    bool visible() const { return visible_; }

    // Shows the button (from alpha 0 when it was hidden) and raises it to
    // rest; during a fade-away it rises again from where it is.
    void appear();
    // Fades the button away, unless it is hidden or flashing.
    void dismiss();
    // Shows the button, flashes it up and fades it out until it hides.
    void flash();
    // The pointer on and off the picture. After pointerLeft the window sends
    // the button away unless the pointer is still in the column.
    void pointerEntered();
    void pointerLeft();
    // Any mouse button, on the picture.
    void press() { alpha_ = kFullAlpha; }
    void release() { alpha_ = kHoverAlpha; }
    // Hides the button: alpha 0, the appear, fade-away and flash timers
    // stopped. The pointer's timers run on.
    void hide();

    void tick(int timer);

private:
    bool flashing() const { return running(Timer6) || running(Timer7); }
    void stepTowards(Timer timer, int limit, int step);
    void fadeToHidden(Timer timer, int step);

    int alpha_ = 0;
    bool visible_ = false;
};

}  // namespace plk
