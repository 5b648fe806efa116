#include "gui/LinkLabel.h"

#include "gui/Controls.h"

namespace plk {
namespace {

FontHandle underlined(HFONT dialogFont) {
    LOGFONTA font{};
    GetObjectA(dialogFont, sizeof font, &font);
    font.lfUnderline = TRUE;
    return FontHandle(CreateFontIndirectA(&font));
}

}  // namespace

LinkLabel::LinkLabel(HWND parent, const std::string& text, int x, int y, int width, int height, COLORREF colour)
    : text_(text), colour_(colour) {
    // Placed and lettered at the dialog's DPI, and again when that changes.
    Window* const dialog = Window::fromHandle(parent);
    const DisplayScale scale = dialog ? dialog->scale() : DisplayScale();
    font_ = underlined(dialogFont(scale.dpi()));
    WindowParams params;
    params.className = "PlinketyLink";
    params.text = text;
    params.style = WS_CHILD | WS_VISIBLE;
    params.x = scale.px(x);
    params.y = scale.px(y);
    params.width = scale.px(width);
    params.height = scale.px(height);
    params.owner = parent;
    params.cursor = LoadCursor(nullptr, IDC_HAND);
    create(params);
    if (dialog) dialog->controls().add(hwnd(), ControlRect{x, y, width, height});
}

void LinkLabel::setColour(COLORREF colour) {
    colour_ = colour;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void LinkLabel::paint() {
    const PaintDc paint(hwnd());
    const HDC dc = paint.get();
    RECT area{};
    GetClientRect(hwnd(), &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const SelectObjectScope font(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour_);
    DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &area, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT LinkLabel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        // The dialog font of a new DPI: the link letters in it, underlined.
        font_ = underlined(reinterpret_cast<HFONT>(wParam));
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_MOUSEMOVE:
        if (pointer_.moved(hwnd()) && onMouseEnter) onMouseEnter();
        return 0;
    case WM_MOUSELEAVE:
        pointer_.left();
        pressed_ = false;
        if (onMouseLeave) onMouseLeave();
        return 0;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        return 0;
    case WM_LBUTTONUP:
        if (pressed_ && onClick) onClick();
        pressed_ = false;
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

}  // namespace plk
