// What the three floating windows' fades share: their alpha levels, and the
// set of timers a fade state wants running. Each fade declares its timers'
// intervals once, in its kTimers, which the window's timers are made from.
#pragma once

namespace plk {

// The windows' alpha levels, 0 (invisible) to 255 (opaque).
const int kRestAlpha = 125;   // the button and Play Again at rest; the popup as it comes and goes
const int kHoverAlpha = 205;  // under the pointer
const int kFullAlpha = 235;   // pressed, lit by a hotkey; the popup's hold

// A fade's timer by its id, and how often it ticks.
struct FadeTimer {
    int id;
    unsigned ms;
};

// The timers a fade wants running, by id (each below 32).
class FadeState {
public:
    bool running(int timer) const { return (running_ & (1u << timer)) != 0; }

protected:
    void start(int timer) { running_ |= 1u << timer; }
    void stop(int timer) { running_ &= ~(1u << timer); }

private:
    unsigned running_ = 0;
};

}  // namespace plk
