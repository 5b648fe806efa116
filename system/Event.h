// A manual-reset event: open lets every waiter through until it is closed.
#pragma once

#include "system/Handles.h"

namespace plk {

class ManualResetEvent {
public:
    explicit ManualResetEvent(bool open);
    void open() { SetEvent(handle_.get()); }
    void close() { ResetEvent(handle_.get()); }
    bool isOpen() const { return WaitForSingleObject(handle_.get(), 0) == WAIT_OBJECT_0; }
    // Returns once the event is open.
    void wait() const { WaitForSingleObject(handle_.get(), INFINITE); }

private:
    KernelHandle handle_;
};

}  // namespace plk
