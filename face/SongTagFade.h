// The Song Tag popup's fade-in, hold and fade-out: its window alpha, its
// three timers and whether it is shown, as plain state stepped by the
// timers' ticks. The popup window forwards the song and the ticks here, then
// applies the alpha, shows or hides itself (placing itself first when it
// becomes visible) and starts or stops its timers to match running().
#pragma once

namespace plk {

class SongTagFade {
public:
    // The popup's timers, by their ids, and how often each ticks.
    enum Timer {
        Timer1 = 1,  // fade in to 235
        Timer2 = 2,  // end of the hold
        Timer3 = 3,  // fade out to 125, then hide
    };
    struct TimerInterval {
        Timer id;
        unsigned ms;
    };
    static constexpr TimerInterval kTimers[] = {{Timer1, 10}, {Timer2, 2200}, {Timer3, 10}};

    static constexpr int kHiddenAlpha = 125;
    static constexpr int kFullAlpha = 235;

    int alpha() const { return alpha_; }
    bool visible() const { return visible_; }
    bool running(int timer) const { return (running_ & (1u << timer)) != 0; }

    // The first step for a new song, before its tag is read.
    void stopTimers();
    // The new song's texts are in place: a hidden popup shows and fades in,
    // a visible one jumps to full strength and holds anew.
    void showSong();
    // Hides the popup: alpha back to 125, every timer stopped.
    void hide();

    void tick(int timer);

private:
    void start(Timer timer) { running_ |= 1u << timer; }
    void stop(Timer timer) { running_ &= ~(1u << timer); }

    int alpha_ = kHiddenAlpha;
    bool visible_ = false;
    unsigned running_ = 0;
};

}  // namespace plk
