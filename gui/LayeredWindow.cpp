#include "gui/LayeredWindow.h"

#include <algorithm>

namespace plk {
namespace {

const UINT kKeepPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

}  // namespace

WindowParams layeredWindowParams(const char* className, const std::string& text, int width, int height) {
    WindowParams params;
    params.className = className;
    params.text = text;
    params.style = WS_POPUP;
    params.exStyle = WS_EX_LAYERED;
    params.width = width;
    params.height = height;
    params.background = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    return params;
}

void setWindowAlpha(HWND window, int alpha, COLORREF colourKey) {
    SetLayeredWindowAttributes(window, colourKey, static_cast<BYTE>(std::clamp(alpha, 0, 255)),
                               LWA_COLORKEY | LWA_ALPHA);
}

void placeTopmost(HWND window) { SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace); }

void placeAtBottom(HWND window) {
    // An owned window never goes below its owner, so the owner goes down
    // first: the application's zero-size owner window would otherwise hold
    // the window up wherever the program was last brought forward.
    if (const HWND owner = GetWindow(window, GW_OWNER)) SetWindowPos(owner, HWND_BOTTOM, 0, 0, 0, 0, kKeepPlace);
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, kKeepPlace);
}

void moveWindowTo(HWND window, int left, int top, int width, int height, HWND insertAfter) {
    SetWindowPos(window, insertAfter, left, top, width, height, (insertAfter ? 0 : SWP_NOZORDER) | SWP_NOACTIVATE);
}

void drawFrame(HDC dc, int width, int height, HBRUSH fill, int thickness) {
    RECT frame{0, 0, width, height};
    FillRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&frame, -thickness, -thickness);
    FillRect(dc, &frame, fill);
}

}  // namespace plk
