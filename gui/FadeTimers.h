// A window's message-loop timers, started and stopped to match a state that
// says which of them should run. Only changes reach the system: setting a
// running timer again would restart its interval.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace plk {

class FadeTimers {
public:
    struct Timer {
        UINT id;
        UINT interval;  // milliseconds
    };

    explicit FadeTimers(std::vector<Timer> timers);

    // The timers a fade state declares, with their intervals, in its kTimers.
    template <typename Fade>
    static std::vector<Timer> of() {
        std::vector<Timer> timers;
        for (const auto& timer : Fade::kTimers) timers.push_back({static_cast<UINT>(timer.id), timer.ms});
        return timers;
    }

    // Starts each timer that running(id) wants and that is stopped, and
    // stops each that runs and is not wanted. The ticks arrive at window as
    // WM_TIMER with the id in wParam.
    void sync(HWND window, const std::function<bool(UINT id)>& running);

private:
    std::vector<Timer> timers_;
    std::vector<bool> on_;
};

}  // namespace plk
