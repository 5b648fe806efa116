// A message-loop timer of a window, calling back on the GUI thread. It stops
// itself when it goes, so a callback never outlives its object.
#pragma once

#include <windows.h>

#include <functional>

namespace plk {

class WindowTimer {
public:
    WindowTimer(HWND window, UINT intervalMs, std::function<void()> onTimer);
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

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
