#include "gui/Tooltip.h"

#include <commctrl.h>

#include "gui/Application.h"
#include "gui/CommonControls.h"

namespace plk {
namespace {

TOOLINFOA toolInfo(HWND owner, HWND tool, char* text) {
    TOOLINFOA info{};
    // The version 2 layout is understood by every common controls version.
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    // The tooltip watches the control's mouse messages itself.
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    return info;
}

}  // namespace

Tooltip::Tooltip(HWND owner, HWND tool, const std::string& text) : owner_(owner), tool_(tool) {
    // The tip's own window belongs to the application's owner window, not to
    // the tool's window: a topmost window owned by the Play button kept the
    // button itself out of the topmost band.
    initCommonControls();
    window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Application::ownerWindow(), nullptr,
                              Application::instance(), nullptr);
    std::string copy = text;  // the tooltip keeps its own copy
    TOOLINFOA info = toolInfo(owner, tool, &copy[0]);
    SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

Tooltip::~Tooltip() {
    if (IsWindow(window_)) DestroyWindow(window_);
}

std::string Tooltip::text() const {
    char buffer[256] = {};
    TOOLINFOA info = toolInfo(owner_, tool_, buffer);
    SendMessageA(window_, TTM_GETTEXTA, sizeof buffer, reinterpret_cast<LPARAM>(&info));
    return buffer;
}

}  // namespace plk
