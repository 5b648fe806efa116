// Base of the program's dialogs: a fixed dialog border (no sizing, no
// minimise or maximise box, a window menu of Move and Close), the dialog
// font's keyboard navigation, shown without blocking the rest of the program
// and only hidden when closed.
#pragma once

#include <string>

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
    // defaultButton.
    void createDialog(const char* className, const std::string& caption, int clientWidth, int clientHeight,
                      int defaultButton);

    // DM_GETDEFID, the close box (hides) and a change of DPI; the rest goes
    // to the window.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND item(int id) const { return GetDlgItem(hwnd(), id); }

private:
    int defaultButton_ = 0;
    bool placed_ = false;
};

}  // namespace plk
