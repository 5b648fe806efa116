#include "gui/ImageControl.h"

#include <windowsx.h>

#include "gui/Application.h"

namespace plk {
namespace {

// A mouse message's point, in the client coordinates the message gives.
POINT pointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

ImageControl::ImageControl(HWND parent, int x, int y, int width, int height) : width_(width), height_(height) {
    clearPicture();
    WindowParams params;
    params.className = "PlinketyImage";
    params.style = WS_CHILD | WS_VISIBLE;
    params.x = x;
    params.y = y;
    params.width = width;
    params.height = height;
    params.owner = parent;
    create(params);
}

void ImageControl::clearPicture() {
    const WindowDc screen(nullptr);
    picture_.reset(CreateCompatibleBitmap(screen.get(), width_, height_));
    // An image with nothing drawn yet is blank white.
    MemoryDc dc(CreateCompatibleDC(screen.get()));
    SelectObjectScope select(dc.get(), picture_.get());
    RECT all{0, 0, width_, height_};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void ImageControl::place(int x, int y, int width, int height) {
    width_ = width;
    height_ = height;
    clearPicture();
    SetWindowPos(hwnd(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    invalidate();
}

void ImageControl::drawImage(const ImageStrip& strip, int index) {
    bool drawn = false;
    {
        const WindowDc screen(nullptr);
        MemoryDc dc(CreateCompatibleDC(screen.get()));
        SelectObjectScope select(dc.get(), picture_.get());
        drawn = strip.draw(index, dc.get());
    }
    if (drawn) invalidate();
}

void ImageControl::repaint() const { RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

void ImageControl::invalidate() const { InvalidateRect(hwnd(), nullptr, FALSE); }

void ImageControl::paint() {
    const PaintDc target(hwnd());
    paintOn(target.get());
}

void ImageControl::paintOn(HDC target) const {
    // Composed off screen, so that what is painted over the picture never flickers.
    MemoryDc scene(CreateCompatibleDC(target));
    BitmapHandle sceneBitmap(CreateCompatibleBitmap(target, width_, height_));
    SelectObjectScope drawOnScene(scene.get(), sceneBitmap.get());
    {
        MemoryDc dc(CreateCompatibleDC(target));
        SelectObjectScope select(dc.get(), picture_.get());
        BitBlt(scene.get(), 0, 0, width_, height_, dc.get(), 0, 0, SRCCOPY);
    }
    if (onPaintOver) onPaintOver(scene.get());
    BitBlt(target, 0, 0, width_, height_, scene.get(), 0, 0, SRCCOPY);
}

void ImageControl::mouseMove(WPARAM keys) {
    if (pointer_.moved(hwnd()) && onMouseEnter) onMouseEnter();
    if (onMouseMove) onMouseMove(keys);
}

void ImageControl::buttonDown(bool left) {
    SetCapture(hwnd());
    if (left) leftPressed_ = true;
    if (onMouseDown) onMouseDown();
}

void ImageControl::buttonUp(bool left, POINT at) {
    // The mouse is captured from the press on, so the release is reported
    // wherever it happens: only one on the control completes a click.
    RECT client{};
    GetClientRect(hwnd(), &client);
    const bool click = left && leftPressed_ && PtInRect(&client, at);
    if (left) leftPressed_ = false;
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (onMouseUp) onMouseUp();
    if (click && onClick) onClick();
}

LRESULT ImageControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        buttonDown(message == WM_LBUTTONDOWN);
        return 0;
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
        buttonUp(message == WM_LBUTTONUP, pointOf(lParam));
        return 0;
    case WM_RBUTTONUP:
        buttonUp(false, pointOf(lParam));
        // DefWindowProc turns the right button's release into WM_CONTEXTMENU.
        return defaultHandling(message, wParam, lParam);
    case WM_CAPTURECHANGED:
        leftPressed_ = false;  // a drag move took the mouse: no click follows
        // The pointer's leave may have gone unreported meanwhile (a drag
        // moves the window under it): its next move counts as coming on.
        pointer_.left();
        return 0;
    case WM_MOUSEMOVE:
        mouseMove(wParam);
        return 0;
    case WM_MOUSELEAVE:
        pointer_.left();
        if (onMouseLeave) onMouseLeave();
        return 0;
    case WM_PRINTCLIENT:
        paintOn(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_CONTEXTMENU:
        if (onContextMenu) onContextMenu(pointOf(lParam));
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

}  // namespace plk
