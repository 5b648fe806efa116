#include "win32/WindowTimer.h"

#include "win32/ErrorBox.h"

namespace plk {

// The timer's id is the object's address: the system hands it back to tick(),
// which needs no table to find the object.
WindowTimer::WindowTimer(HWND window, UINT intervalMs, std::function<void()> onTimer)
    : window_(window), interval_(intervalMs), onTimer_(std::move(onTimer)) {}

WindowTimer::~WindowTimer() { stop(); }

void WindowTimer::start() {
    running_ = SetTimer(window_, reinterpret_cast<UINT_PTR>(this), interval_, &WindowTimer::tick) != 0;
}

void WindowTimer::stop() {
    if (running_) KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
    running_ = false;
}

void CALLBACK WindowTimer::tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto* timer = reinterpret_cast<WindowTimer*>(id);
    if (timer->running_ && timer->onTimer_) runHandler([timer] { timer->onTimer_(); });
}

}  // namespace plk
