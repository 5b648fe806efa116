#include "gui/Controls.h"

#include <commctrl.h>

#include <map>

#include "gui/Application.h"
#include "gui/CommonControls.h"
#include "gui/Window.h"
#include "system/AnsiPath.h"
#include "system/Handles.h"
#include "system/LastError.h"

namespace plk {
namespace {

HWND makeControl(HWND parent, int id, const char* className, const std::string& text, DWORD style, ControlRect rect,
                 DWORD exStyle = 0) {
    return createControl(parent, {className, text, style, rect.x, rect.y, rect.width, rect.height, id, exStyle});
}

const char* dialogFontFace(int dpi) {
    // MS Sans Serif is a bitmap font drawn for 96 DPI: at any other size
    // Windows steps it up from its few bitmaps, jagged. Microsoft Sans Serif
    // is its TrueType twin (what "MS Shell Dlg" maps to), of the same
    // metrics, and scales smoothly.
    return dpi == kBaseDpi ? "MS Sans Serif" : "Microsoft Sans Serif";
}

}  // namespace

HFONT dialogFont(int dpi) {
    // Made from the point size at each DPI asked for, never stretched: the
    // GUI thread alone asks, and a run meets a handful of DPIs at most.
    static std::map<int, FontHandle> fonts;
    FontHandle& font = fonts[dpi];
    if (!font) {
        const int height = -MulDiv(8, dpi, 72);
        font.reset(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                               dialogFontFace(dpi)));
    }
    return font.get();
}

SIZE textSize(const std::string& text, HFONT font) {
    const WindowDc screen(nullptr);
    const SelectObjectScope selected(screen.get(), font);
    SIZE size{};
    GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

HWND createControl(HWND parent, const ControlParams& params) {
    initCommonControls();
    Window* const owner = Window::fromHandle(parent);
    const DisplayScale scale = owner ? owner->scale() : DisplayScale();
    const ControlRect base{params.x, params.y, params.width, params.height};
    const ControlRect rect = placeControl(base, params.text, scale);
    const DWORD style = WS_CHILD | WS_VISIBLE | params.style;
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id));
    HWND control = params.unicode
                       ? CreateWindowExW(params.exStyle, wideFromCodePage(params.className).c_str(),
                                         wideFromCodePage(params.text).c_str(), style, rect.x, rect.y, rect.width,
                                         rect.height, parent, id, Application::instance(), nullptr)
                       : CreateWindowExA(params.exStyle, params.className, params.text.c_str(), style, rect.x,
                                         rect.y, rect.width, rect.height, parent, id, Application::instance(),
                                         nullptr);
    if (!control) throwLastError();
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont(scale.dpi())), FALSE);
    if (owner) owner->controls().add(control, base);
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
