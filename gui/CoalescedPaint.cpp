#include "gui/CoalescedPaint.h"

#include <algorithm>
#include <utility>

namespace plk {

CoalescedPaint::CoalescedPaint(HWND window, UINT intervalMs) : timer_(window, intervalMs, [this] { flush(); }) {}

LRESULT CoalescedPaint::send(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    // Redrawing stays off from the first change to the tick: the control
    // neither draws nor asks to be drawn meanwhile (some controls draw inside
    // the call). A hidden control draws nothing anyway, and turning redrawing
    // on again would show it, so it is left as it is.
    const bool waiting = std::find(waiting_.begin(), waiting_.end(), control) != waiting_.end();
    if (!waiting && (GetWindowLongPtrA(control, GWL_STYLE) & WS_VISIBLE)) {
        SendMessageA(control, WM_SETREDRAW, FALSE, 0);
        waiting_.push_back(control);
        if (!timer_.running()) timer_.start();
    }
    return SendMessageA(control, message, wParam, lParam);
}

void CoalescedPaint::flush() {
    timer_.stop();
    for (HWND control : std::exchange(waiting_, {})) {
        SendMessageA(control, WM_SETREDRAW, TRUE, 0);
        // Drawn now, not merely marked: the next change may come before the
        // GUI thread is free again (a step that another thread sends is
        // handled before any painting), and turning redrawing off for it
        // would drop the mark.
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

}  // namespace plk
