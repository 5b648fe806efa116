// Hands steps from worker threads to the GUI thread. A step runs inside the
// GUI thread's message handling, so it may touch any window, and run() waits
// until it has: the worker and the GUI thread never act at the same time.
//
// The GUI thread must never wait for a worker without handling sent messages
// (Thread::join does), or a worker blocked in run() would wait for ever.
#pragma once

#include <functional>

#include "gui/Window.h"

namespace plk {

class GuiThreadCall : private Window {
public:
    // Created on the GUI thread: a message-only window of that thread.
    GuiThreadCall();
    ~GuiThreadCall() override;

    // Runs step on the GUI thread and returns when it has run. An exception
    // thrown by the step is rethrown here. Called on the GUI thread, it runs
    // the step directly.
    void run(const std::function<void()>& step) const;
    // Queues step to run on the GUI thread and returns at once. A step still
    // queued when this object goes is dropped.
    void post(std::function<void()> step) const;

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void dropQueuedSteps();

    DWORD guiThreadId_;
};

}  // namespace plk
