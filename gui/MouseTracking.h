// The pointer coming onto and leaving a window, from WM_MOUSEMOVE and the
// WM_MOUSELEAVE that TrackMouseEvent asks for.
#pragma once

#include <windows.h>

#include <functional>

namespace plk {

// Asks for one WM_MOUSELEAVE when the pointer leaves window's client area,
// which includes moving onto one of its child windows.
void trackMouseLeave(HWND window);

// Whether the pointer is on a window, as its WM_MOUSEMOVE and WM_MOUSELEAVE
// tell: the first move after a leave is the pointer coming on, and asks for
// the next leave.
class PointerPresence {
public:
    // True when this move brought the pointer onto window.
    bool moved(HWND window) {
        if (inside_) return false;
        inside_ = true;
        trackMouseLeave(window);
        return true;
    }
    // The leave came, or went unreported: the next move counts as coming on.
    void left() { inside_ = false; }
    bool inside() const { return inside_; }

private:
    bool inside_ = false;
};

// The pointer's place on the screen.
POINT pointerPosition();

// True when the pointer is over window (not over a window above it).
bool pointerOver(HWND window);

// The pointer on a window's frame, the client area round its picture: a
// move there asks for the leave, and the leave calls onLeave unless the
// pointer went onto the picture, whose own enter follows. True when message
// was one of these two.
bool frameMouseMessage(HWND window, HWND picture, UINT message, const std::function<void()>& onLeave);

}  // namespace plk
