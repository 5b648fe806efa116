// Keeps a modeless dialog's keyboard focus across activations, as the
// system's dialog manager does for its own dialogs: the control that had the
// focus gets it back, and a dialog shown for the first time focuses its first
// tab stop.
#pragma once

#include <windows.h>

namespace plk {

class DialogFocus {
public:
    // Call from the dialog's WM_ACTIVATE with its wParam.
    void activate(HWND dialog, WPARAM state);

private:
    HWND focused_ = nullptr;
};

}  // namespace plk
