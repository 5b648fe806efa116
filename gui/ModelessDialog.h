// Base of the dialogs: a fixed dialog border (no sizing, no minimise or
// maximise box, a window menu of Move and Close), the dialog keyboard
// navigation, shown without blocking the rest of the program and only hidden
// when closed. A dialog's controls are wired here, one handler per control
// and notification; Enter presses the default button and Esc the cancel
// button, each named at creation (a dialog without a cancel button ignores
// Esc), as Windows' own dialogs do.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>

#include "gui/Window.h"

namespace plk {

class ModelessDialog : public Window {
public:
    ~ModelessDialog() override;

    // Shows the dialog and makes it the active window: centred on the screen
    // the first time, where the user left it afterwards.
    void showDialog();

protected:
    ModelessDialog() = default;

    // Creates the hidden dialog with a client area of the given size (at 96
    // DPI, scaled to the primary monitor's); Enter presses the button
    // defaultButton, Esc the button cancelButton (0: none).
    void createDialog(const char* className, const std::string& caption, int clientWidth, int clientHeight,
                      int defaultButton, int cancelButton);

    // Runs handler when control id sends notification (by default a
    // button's click).
    void onCommand(int id, std::function<void()> handler, int notification = BN_CLICKED) {
        commands_[{id, notification}] = std::move(handler);
    }

    // The controls' commands, DM_GETDEFID, the close box (hides) and a
    // change of DPI; the rest goes to the window.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND item(int id) const { return GetDlgItem(hwnd(), id); }

private:
    void command(int id, int notification);

    int defaultButton_ = 0;
    int cancelButton_ = 0;
    bool placed_ = false;
    std::map<std::pair<int, int>, std::function<void()>> commands_;  // by control and notification
};

}  // namespace plk
