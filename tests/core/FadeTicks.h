// Drives a fade state's timer tick by tick, as the message loop would.
#pragma once

#include <vector>

namespace plk::test {

// Ticks timer for as long as it runs; returns the alpha after each tick.
template <typename Fade>
std::vector<int> tickWhileRunning(Fade& fade, int timer) {
    std::vector<int> levels;
    for (int guard = 0; fade.running(timer) && guard < 1000; ++guard) {
        fade.tick(timer);
        levels.push_back(fade.alpha());
    }
    return levels;
}

}  // namespace plk::test
