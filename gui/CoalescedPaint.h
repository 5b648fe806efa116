// Controls whose content changes faster than anyone can read it, such as a
// running count: each change is made at once (the control holds and reports
// its new content), but the control is drawn only at the next tick of a
// timer, which comes when the GUI thread is free. A burst of changes then
// costs one paint instead of one each.
#pragma once

#include <windows.h>

#include <vector>

#include "gui/CallbackTimer.h"

namespace plk {

class CoalescedPaint {
public:
    // The timer runs on window, which outlives this object.
    CoalescedPaint(HWND window, UINT intervalMs);

    // Sends the message to control, whose drawing waits for the next tick.
    LRESULT send(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    // Has the waiting controls drawn now: before one of them is changed
    // without send, which would not draw it.
    void flush();

private:
    CallbackTimer timer_;
    std::vector<HWND> waiting_;
};

}  // namespace plk
