// The least a program with a Play button must do to show it: one 37 x 37
// half-transparent layered popup, topmost, drawn as a framed square, and a
// message loop. It ends when the window is closed. bench_startup times its
// start against the real program's; it uses nothing of the program's code.
#include <windows.h>

namespace {

const char kClassName[] = "PlinketyMinimalWindow";
const int kSize = 37;
const BYTE kAlpha = 180;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(window, &ps);
        RECT frame{0, 0, kSize, kSize};
        FillRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&frame, -1, -1);
        FillRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(window, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) return 1;
    const HWND window = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, "Minimal",
                                        WS_POPUP, GetSystemMetrics(SM_CXSCREEN) - 50,
                                        GetSystemMetrics(SM_CYSCREEN) - 50 - kSize, kSize, kSize, nullptr, nullptr,
                                        instance, nullptr);
    if (!window) return 1;
    SetLayeredWindowAttributes(window, 0, kAlpha, LWA_ALPHA);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
