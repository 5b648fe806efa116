// A message-loop timer of a window, calling back on the GUI thread. It stops
// itself when it goes, so a callback never outlives its object.
#pragma once

#include <windows.h>

#include <functional>

namespace plk {

class CallbackTimer {
public:
    CallbackTimer(HWND window, UINT intervalMs, std::function<void()> onTimer);
    ~CallbackTimer();
    CallbackTimer(const CallbackTimer&) = delete;
    CallbackTimer& operator=(const CallbackTimer&) = delete;

    // Starts the interval anew, also when the timer is running.
    void start();
    void stop();
    bool running() const { return running_; }

private:
    static void CALLBACK tick(HWND window, UINT message, UINT_PTR id, DWORD time);

    HWND window_;
    UINT interval_;
    std::function<void()> onTimer_;
    bool running_ = false;
};

}  // namespace plk
