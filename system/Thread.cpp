#include "system/Thread.h"

#include <process.h>

#include <cstdint>

#include "system/LastError.h"

namespace plk {

Thread::Thread(std::function<void()> body) : body_(std::move(body)) {
    // _beginthreadex rather than CreateThread: the body uses the C runtime.
    const std::uintptr_t handle = _beginthreadex(nullptr, 0, &Thread::Start, this, 0, nullptr);
    if (handle == 0) throwLastError();
    handle_.reset(reinterpret_cast<HANDLE>(handle));
}

Thread::~Thread() { join(); }

void Thread::join() {
    if (handle_) waitServicingSentMessages(handle_.get());
}

unsigned __stdcall Thread::Start(void* self) {
    try {
        static_cast<Thread*>(self)->body_();
    } catch (...) {
        // A body reports its own failures; one that escapes must not take the
        // whole program down from a worker thread.
        OutputDebugStringA("plinkety: an exception escaped a worker thread\n");
    }
    return 0;
}

void waitServicingSentMessages(HANDLE object) {
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &object, FALSE, INFINITE, QS_SENDMESSAGE);
        if (woken != WAIT_OBJECT_0 + 1) return;  // the object, or a failed wait
        // Peeking delivers the sent messages; posted ones stay in the queue.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace plk
