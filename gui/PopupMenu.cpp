#include "gui/PopupMenu.h"

#include <algorithm>

#include "system/LastError.h"

namespace plk {

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {
    if (!menu_) throwLastError();
}

void PopupMenu::addItem(HMENU menu, UINT id, const char* caption) {
    AppendMenuA(menu, MF_STRING, id, caption);
}

void PopupMenu::addSeparator(HMENU menu) { AppendMenuA(menu, MF_SEPARATOR, 0, nullptr); }

HMENU PopupMenu::addSubmenu(HMENU menu, const char* caption) {
    const HMENU submenu = CreatePopupMenu();
    if (!submenu) throwLastError();
    AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), caption);
    return submenu;
}

void PopupMenu::addRadioGroup(std::vector<UINT> ids) {
    for (UINT id : ids) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(root(), id, FALSE, &info);
        info.fType |= MFT_RADIOCHECK;
        SetMenuItemInfoA(root(), id, FALSE, &info);
    }
    radioGroups_.push_back(std::move(ids));
}

bool PopupMenu::isChecked(UINT id) const {
    const UINT state = GetMenuState(root(), id, MF_BYCOMMAND);
    return state != UINT(-1) && (state & MF_CHECKED) != 0;
}

void PopupMenu::setChecked(UINT id, bool checked) {
    CheckMenuItem(root(), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void PopupMenu::checkRadio(UINT id) {
    for (const auto& group : radioGroups_) {
        if (std::find(group.begin(), group.end(), id) == group.end()) continue;
        for (UINT other : group) setChecked(other, other == id);
        return;
    }
    setChecked(id, true);
}

void PopupMenu::showAt(HWND owner, POINT screenPoint) const {
    // Without the foreground the menu would not close when the user clicks
    // elsewhere, and its access keys would not reach it.
    SetForegroundWindow(owner);
    TrackPopupMenuEx(root(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y,
                     owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}

}  // namespace plk
