// The pointer coming onto and leaving a window, from WM_MOUSEMOVE and the
// WM_MOUSELEAVE that TrackMouseEvent asks for.
#pragma once

#include <windows.h>

#include <functional>

namespace plk {

// Asks for one WM_MOUSELEAVE when the pointer leaves window's client area,
// which includes moving onto one of its child windows.
void trackMouseLeave(HWND window);

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
