#include "win32/Window.h"

#include "resources/resource.h"
#include "win32/Application.h"
#include "win32/ErrorBox.h"
#include "win32/LastError.h"

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
    wc.hIcon = LoadIconA(Application::instance(), MAKEINTRESOURCEA(IDI_PLINKETY));
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
    return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void Window::create(const WindowParams& params) {
    registerOnce(params, &Window::dispatch);
    int width = params.width, height = params.height;
    if (params.clientSize) {
        RECT rect{0, 0, params.width, params.height};
        AdjustWindowRectEx(&rect, params.style, FALSE, params.exStyle);
        width = rect.right - rect.left;
        height = rect.bottom - rect.top;
    }
    HWND owner = params.owner ? params.owner : Application::ownerWindow();
    if (!CreateWindowExA(params.exStyle, params.className, params.text.c_str(), params.style, params.x, params.y, width,
                         height, owner, nullptr, Application::instance(), this))
        throwLastError();
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
    Window* self = fromHandle(hwnd);
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
