// The Song Tag popup's fade-in, hold and fade-out: its window alpha, its
// three timers and whether it is shown, as plain state stepped by the
// timers' ticks. The popup window forwards the song and the ticks here, then
// applies the alpha, shows or hides itself (placing itself first when it
// becomes visible) and starts or stops its timers to match running().
#pragma once

#include "face/FadeState.h"

namespace plk {

class SongTagFade : public FadeState {
public:
    // The popup's timers, by their ids, and how often each ticks.
    enum Timer {
        Timer1 = 1,  // fade in to 235
        Timer2 = 2,  // end of the hold
        Timer3 = 3,  // fade out to 125, then hide
    };
    static constexpr FadeTimer kTimers[] = {{Timer1, 10}, {Timer2, 2200}, {Timer3, 10}};

    int alpha() const { return alpha_; }
    bool visible() const { return visible_; }

    // The first step for a new song, before its tag is read.
    void stopTimers();
    // The new song's texts are in place: a hidden popup shows and fades in,
    // a visible one jumps to full strength and holds anew.
    void showSong();
    // Hides the popup: alpha back to 125, every timer stopped.
    void hide();

    void tick(int timer);

private:
    int alpha_ = kRestAlpha;
    bool visible_ = false;
};

}  // namespace plk
