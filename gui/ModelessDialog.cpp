#include "gui/ModelessDialog.h"

#include "gui/Application.h"
#include "gui/MonitorDpi.h"
#include "gui/Placement.h"

namespace plk {

ModelessDialog::~ModelessDialog() { Application::removeDialog(hwnd()); }

void ModelessDialog::createDialog(const char* className, const std::string& caption, int clientWidth,
                                  int clientHeight, int defaultButton, int cancelButton) {
    defaultButton_ = defaultButton;
    cancelButton_ = cancelButton;
    WindowParams params;
    params.className = className;
    params.text = caption;
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    params.width = clientWidth;
    params.height = clientHeight;
    params.clientSize = true;
    // Laid out for the monitor it first shows on, the primary one.
    params.dpi = primaryMonitorDpi();
    create(params);
    const HMENU menu = GetSystemMenu(hwnd(), FALSE);
    for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_TASKLIST})
        DeleteMenu(menu, command, MF_BYCOMMAND);
    Application::addDialog(hwnd());
}

void ModelessDialog::showDialog() {
    if (!placed_) centerOnScreen(hwnd());
    placed_ = true;
    show();
    SetForegroundWindow(hwnd());
}

void ModelessDialog::command(int id, int notification) {
    // Esc comes from the dialog navigation as IDCANCEL, as a click.
    if (id == IDCANCEL) id = cancelButton_;
    const auto handler = commands_.find({id, notification});
    if (handler != commands_.end() && handler->second) handler->second();
}

LRESULT ModelessDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case DM_GETDEFID:
        // Enter in the dialog (through IsDialogMessage) presses this button.
        return MAKELRESULT(defaultButton_, DC_HASDEFID);
    case WM_CLOSE:
        hide();
        return 0;
    case WM_DPICHANGED:
        rescaleClientWindow(wParam, lParam);
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

}  // namespace plk
