#include "gui/DialogFocus.h"

namespace plk {

void DialogFocus::activate(HWND dialog, WPARAM state) {
    if (LOWORD(state) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(dialog, focus)) focused_ = focus;
        return;
    }
    HWND target = focused_;
    if (!target || !IsWindow(target) || !IsWindowEnabled(target)) target = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (target) SetFocus(target);
}

}  // namespace plk
