#include "app/PlayButton.h"

#include "win32/Application.h"

namespace plk {
namespace {

const COLORREF kColourKey = RGB(255, 0, 255);
const int kButtonSize = 37;

}  // namespace

TForm1::TForm1() {
    WindowSpec spec;
    spec.className = "TForm1";
    spec.text = Application::Title();
    spec.style = WS_POPUP;
    spec.exStyle = WS_EX_LAYERED;
    create(spec);
    FormCreate();
}

void TForm1::FormCreate() {
    const int x = GetSystemMetrics(SM_CXSCREEN) - 50 - kButtonSize;
    const int y = GetSystemMetrics(SM_CYSCREEN) - 50 - kButtonSize;
    SetWindowPos(hwnd(), HWND_TOPMOST, x, y, kButtonSize, kButtonSize, SWP_NOACTIVATE);
    SetLayeredWindowAttributes(hwnd(), kColourKey, 125, LWA_COLORKEY | LWA_ALPHA);
    show(SW_SHOWNOACTIVATE);
}

void TForm1::ReadIndex() {}

void TForm1::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd(), &ps);
    RECT frame{0, 0, kButtonSize, kButtonSize};
    FillRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT face{1, 1, kButtonSize - 1, kButtonSize - 1};
    FillRect(dc, &face, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    EndPaint(hwnd(), &ps);
}

LRESULT TForm1::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_RBUTTONUP:
    case WM_CLOSE:
        Application::Terminate();
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

}  // namespace plk
