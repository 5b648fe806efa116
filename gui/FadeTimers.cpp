#include "gui/FadeTimers.h"

#include <utility>

namespace plk {

FadeTimers::FadeTimers(std::vector<Timer> timers) : timers_(std::move(timers)), on_(timers_.size(), false) {}

void FadeTimers::sync(HWND window, const std::function<bool(UINT id)>& running) {
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const bool wanted = running(timers_[i].id);
        if (wanted == on_[i]) continue;
        if (wanted) SetTimer(window, timers_[i].id, timers_[i].interval, nullptr);
        else KillTimer(window, timers_[i].id);
        on_[i] = wanted;
    }
}

}  // namespace plk
