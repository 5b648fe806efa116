// The Play button's brightness: its window alpha and the two fade timers,
// as plain state stepped by the timers' ticks. The window forwards the
// pointer, the mouse buttons and the ticks here, then applies the alpha and
// starts or stops its timers to match running().
#pragma once

namespace plk {

class ButtonBrightness {
public:
    // The window's timers, by their ids, and how often each ticks.
    enum Timer { Timer1 = 1, Timer2 = 2 };  // fade-in to 205, fade-out to 125
    struct TimerInterval {
        Timer id;
        unsigned ms;
    };
    static constexpr TimerInterval kTimers[] = {{Timer1, 10}, {Timer2, 10}};

    static constexpr int kRest = 125;
    static constexpr int kHover = 205;
    static constexpr int kPressed = 235;

    int alpha() const { return alpha_; }
    bool running(int timer) const { return (running_ & (1u << timer)) != 0; }

    // The pointer came onto the picture: the fade-out gives way to the fade-in.
    void pointerEntered();
    // The pointer left the picture or the frame: the other way round.
    void pointerLeft();
    // Any mouse button, on the picture. The timers run on.
    void press() { alpha_ = kPressed; }
    void release() { alpha_ = kHover; }
    // The hotkey's light and its fade-out, which starts without stopping a
    // running fade-in: that one stops at its next tick, setting 205.
    void setAlpha(int alpha) { alpha_ = alpha; }
    void startFadeOut() { start(Timer2); }

    void tick(int timer);

private:
    void start(Timer timer) { running_ |= 1u << timer; }
    void stop(Timer timer) { running_ &= ~(1u << timer); }

    int alpha_ = kRest;
    unsigned running_ = 0;
};

}  // namespace plk
