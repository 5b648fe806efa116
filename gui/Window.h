// Base of every window of the program. A subclass creates its window once
// through create(), owns its child controls, timers and images, and handles
// messages in handleMessage(). An exception escaping a handler is shown in
// the error box and the window carries on.
#pragma once

#include <windows.h>

#include <string>

#include "display/DisplayScale.h"
#include "gui/ControlLayout.h"

namespace plk {

struct WindowParams {
    const char* className = nullptr;
    std::string text;
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;  // outer size unless clientSize is set
    // width and height give the client area at 96 DPI, made dpi's size
    bool clientSize = false;
    int dpi = kBaseDpi;                       // the DPI the window is laid out for
    HWND owner = nullptr;                     // default: the application's owner window
    HBRUSH background = nullptr;
    HCURSOR cursor = nullptr;                 // default: the arrow
};

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    void show(int command = SW_SHOW) const { ShowWindow(hwnd_, command); }
    void hide() const { ShowWindow(hwnd_, SW_HIDE); }
    bool visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    RECT windowRect() const;

    // The object of one of the program's windows, or nullptr for any other
    // window (a control, another program's window, no window).
    static Window* fromHandle(HWND hwnd);

    // The DPI the window is laid out for, and its controls' 96-DPI layout.
    const DisplayScale& scale() const { return scale_; }
    // The scale a window of the program is laid out for; for any other
    // window, the DPI of its monitor.
    static DisplayScale scaleOf(HWND hwnd);
    ControlLayout& controls() { return controls_; }

protected:
    void create(const WindowParams& params);
    void destroy();
    void setScale(const DisplayScale& scale) { scale_ = scale; }

    // WM_DPICHANGED of a window made with clientSize: the client area and the
    // controls at the new DPI, the window at the place Windows suggests.
    void rescaleClientWindow(WPARAM wParam, LPARAM lParam);

    // Messages not handled here go to DefWindowProc; a close is ignored.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The Window of a window known to be of a class that dispatch() serves.
    static Window* ownWindow(HWND hwnd);

    HWND hwnd_ = nullptr;
    DisplayScale scale_;
    ControlLayout controls_;
    SIZE baseClient_{0, 0};  // the client area at 96 DPI, of a window made with clientSize
};

}  // namespace plk
