#include "gui/CallbackTimer.h"

#include "gui/ErrorBox.h"

namespace plk {

// The timer's id is the object's address: the system hands it back to tick(),
// which needs no table to find the object.
CallbackTimer::CallbackTimer(HWND window, UINT intervalMs, std::function<void()> onTimer)
    : window_(window), interval_(intervalMs), onTimer_(std::move(onTimer)) {}

CallbackTimer::~CallbackTimer() { stop(); }

void CallbackTimer::start() {
    running_ = SetTimer(window_, reinterpret_cast<UINT_PTR>(this), interval_, &CallbackTimer::tick) != 0;
}

void CallbackTimer::stop() {
    if (running_) KillTimer(window_, reinterpret_cast<UINT_PTR>(this));
    running_ = false;
}

void CALLBACK CallbackTimer::tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto* timer = reinterpret_cast<CallbackTimer*>(id);
    if (timer->running_ && timer->onTimer_) runHandler([timer] { timer->onTimer_(); });
}

}  // namespace plk
