#include "gui/Window.h"

#include "gui/Application.h"
#include "gui/ErrorBox.h"
#include "gui/MonitorDpi.h"
#include "system/LastError.h"

namespace plk {
namespace {

void registerOnce(const WindowParams& params, WNDPROC proc) {
    WNDCLASSA existing;
    if (GetClassInfoA(Application::instance(), params.className, &existing)) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = Application::instance();
    wc.lpszClassName = params.className;
    wc.hCursor = params.cursor ? params.cursor : LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = params.background ? params.background : GetSysColorBrush(COLOR_BTNFACE);
    wc.hIcon = Application::icon();
    if (!RegisterClassA(&wc)) throwLastError();
}

}  // namespace

Window::~Window() { destroy(); }

void Window::destroy() {
    if (hwnd_) {
        const HWND window = hwnd_;
        DestroyWindow(window);
        hwnd_ = nullptr;
    }
}

RECT Window::windowRect() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return rect;
}

Window* Window::fromHandle(HWND hwnd) {
    // Any window may keep what it likes in its user data: a control of this
    // process, or a window of another program (whose number, read here, is
    // no address of ours; a second copy of this program even has its window
    // procedure at the same address). Only a window of this process whose
    // class runs dispatch() holds a Window there.
    DWORD process = 0;
    if (!hwnd || !GetWindowThreadProcessId(hwnd, &process) || process != GetCurrentProcessId()) return nullptr;
    if (GetClassLongPtrA(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Window::dispatch)) return nullptr;
    return ownWindow(hwnd);
}

Window* Window::ownWindow(HWND hwnd) { return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

DisplayScale Window::scaleOf(HWND hwnd) {
    if (const Window* window = fromHandle(hwnd)) return window->scale();
    return DisplayScale(dpiForWindow(hwnd));
}

void Window::create(const WindowParams& params) {
    registerOnce(params, &Window::dispatch);
    scale_ = DisplayScale(params.dpi);
    int width = params.width, height = params.height;
    if (params.clientSize) {
        baseClient_ = SIZE{params.width, params.height};
        const SIZE outer = outerSizeForClient(scale_.px(width), scale_.px(height), params.style, params.exStyle,
                                              scale_.dpi());
        width = outer.cx;
        height = outer.cy;
    }
    HWND owner = params.owner ? params.owner : Application::ownerWindow();
    if (!CreateWindowExA(params.exStyle, params.className, params.text.c_str(), params.style, params.x, params.y, width,
                         height, owner, nullptr, Application::instance(), this))
        throwLastError();
}

void Window::rescaleClientWindow(WPARAM wParam, LPARAM lParam) {
    scale_ = DisplayScale(dpiOfMessage(wParam));
    const RECT suggested = suggestedRectOfMessage(lParam);
    // Windows' suggestion keeps the outer size in proportion; the client area
    // is worked out afresh so that it is exactly the layout's at this DPI.
    const SIZE outer = outerSizeForClient(scale_.px(baseClient_.cx), scale_.px(baseClient_.cy),
                                          static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)),
                                          static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)), scale_.dpi());
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    // Where the frame keeps another DPI's thickness (a message sent by hand,
    // or a system that draws every frame at one DPI), the client area comes
    // out short or long: the difference goes onto the outer size.
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int wrongWidth = scale_.px(baseClient_.cx) - client.right;
    const int wrongHeight = scale_.px(baseClient_.cy) - client.bottom;
    if (wrongWidth != 0 || wrongHeight != 0)
        SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx + wrongWidth, outer.cy + wrongHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.apply(scale_);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return defaultHandling(message, wParam, lParam);
}

LRESULT Window::defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    // A window goes with its object, never on a close sent from outside (a
    // window-closing tool): the system would destroy it under an object that
    // lives on and goes on using it. A window that can be closed says how.
    if (message == WM_CLOSE) return 0;
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    Window* self = ownWindow(hwnd);
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (!runHandler([&] { result = self->handleMessage(message, wParam, lParam); }))
        return 0;
    return result;
}

}  // namespace plk
