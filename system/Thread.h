// A thread that runs one body and is joined by its owner: the destructor waits
// for the body to return, so a thread never outlives the objects it uses.
#pragma once

#include <functional>

#include "system/Handles.h"

namespace plk {

class Thread {
public:
    // Starts the body at once, at normal priority.
    explicit Thread(std::function<void()> body);
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Waits for the body to return. Messages that other threads send to the
    // calling thread meanwhile are handled, so a body that is waiting for this
    // thread to run a step for it (GuiThreadCall) can still finish.
    void join();

private:
    static unsigned __stdcall Start(void* self);

    std::function<void()> body_;
    KernelHandle handle_;
};

// Waits for a kernel object while handling the messages that other threads
// send to the calling thread.
void waitServicingSentMessages(HANDLE object);

}  // namespace plk
