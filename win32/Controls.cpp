#include "win32/Controls.h"

#include <commctrl.h>

#include "win32/AnsiPath.h"
#include "win32/Application.h"
#include "win32/Handles.h"
#include "win32/LastError.h"

namespace plk {
namespace {

SIZE textSize(const std::string& text) {
    const WindowDc screen(nullptr);
    const SelectObjectScope font(screen.get(), dialogFont());
    SIZE size{};
    GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

HWND makeControl(HWND parent, int id, const char* className, const std::string& text, DWORD style, ControlRect rect,
                 DWORD exStyle = 0) {
    return createControl(parent, {className, text, style, rect.x, rect.y, rect.width, rect.height, id, exStyle});
}

}  // namespace

HFONT dialogFont() {
    static const FontHandle font([] {
        const int height = -MulDiv(8, GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSY), 72);
        return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    }());
    return font.get();
}

HWND createControl(HWND parent, const ControlParams& params) {
    int width = params.width, height = params.height;
    if (width == 0 || height == 0) {
        const SIZE text = textSize(params.text);
        if (width == 0) width = text.cx;
        if (height == 0) height = text.cy;
    }
    const DWORD style = WS_CHILD | WS_VISIBLE | params.style;
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id));
    HWND control = params.unicode
                       ? CreateWindowExW(params.exStyle, wideText(params.className).c_str(),
                                         wideText(params.text).c_str(), style, params.x, params.y, width, height,
                                         parent, id, Application::instance(), nullptr)
                       : CreateWindowExA(params.exStyle, params.className, params.text.c_str(), style, params.x,
                                         params.y, width, height, parent, id, Application::instance(), nullptr);
    if (!control) throwLastError();
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont()), FALSE);
    return control;
}

HWND makeGroupBox(HWND parent, int id, const std::string& caption, ControlRect rect) {
    return makeControl(parent, id, "BUTTON", caption, BS_GROUPBOX, rect);
}

HWND makeLabel(HWND parent, int id, const std::string& text, int x, int y) {
    return makeControl(parent, id, "STATIC", text, SS_LEFT | SS_NOPREFIX, {x, y, 0, 0});
}

HWND makeFixedLabel(HWND parent, int id, const std::string& text, ControlRect rect) {
    return makeControl(parent, id, "STATIC", text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, rect);
}

HWND makeButton(HWND parent, int id, const std::string& caption, ControlRect rect) {
    return makeControl(parent, id, "BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, rect);
}

HWND makeDefaultButton(HWND parent, int id, const std::string& caption, ControlRect rect) {
    return makeControl(parent, id, "BUTTON", caption, BS_DEFPUSHBUTTON | WS_TABSTOP, rect);
}

HWND makeEdit(HWND parent, int id, const std::string& text, ControlRect rect) {
    ControlParams params{"EDIT", text, ES_AUTOHSCROLL | WS_TABSTOP, rect.x, rect.y, rect.width, rect.height, id,
                         WS_EX_CLIENTEDGE};
    params.unicode = true;
    return createControl(parent, params);
}

HWND makeListBox(HWND parent, int id, ControlRect rect) {
    return makeControl(parent, id, "LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, rect,
                       WS_EX_CLIENTEDGE);
}

HWND makeHotkeyField(HWND parent, int id, ControlRect rect) {
    return makeControl(parent, id, HOTKEY_CLASSA, "", WS_TABSTOP, rect, WS_EX_CLIENTEDGE);
}

HWND makeStatusBar(HWND parent, int id, ControlRect rect) {
    const HWND bar =
        makeControl(parent, id, STATUSCLASSNAMEA, "", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, rect);
    int onePanel = -1;
    SendMessageA(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&onePanel));
    return bar;
}

std::string controlText(HWND control) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(control, &text[0], static_cast<int>(text.size()))));
    return text;
}

void setControlText(HWND control, const std::string& text) { SetWindowTextA(control, text.c_str()); }

std::wstring wideControlText(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, &text[0], static_cast<int>(text.size()))));
    return text;
}

void setControlText(HWND control, const std::wstring& text) { SetWindowTextW(control, text.c_str()); }

void setStatusBarText(HWND statusBar, const std::string& text) {
    SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void enableControl(HWND control, bool enable) { EnableWindow(control, enable); }

bool controlEnabled(HWND control) { return IsWindowEnabled(control) != FALSE; }

std::vector<std::string> listBoxItems(HWND listBox) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(listBox, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string item(static_cast<std::size_t>(length) + 1, '\0');
        const LRESULT got = SendMessageA(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item[0]));
        item.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
        items.push_back(item);
    }
    return items;
}

}  // namespace plk
