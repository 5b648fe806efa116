// A popup menu with submenus, check items and radio groups, shown at the
// pointer. Item clicks arrive at the owner window as WM_COMMAND with the
// item's id.
#pragma once

#include <windows.h>

#include <vector>

#include "system/Handles.h"

namespace plk {

class PopupMenu {
public:
    PopupMenu();

    HMENU root() const { return menu_.get(); }

    // Appends to menu, which is root() or a submenu made by addSubmenu.
    void addItem(HMENU menu, UINT id, const char* caption);
    void addSeparator(HMENU menu);
    HMENU addSubmenu(HMENU menu, const char* caption);

    // The items of a group show a bullet when checked, and checking one
    // unchecks the others.
    void addRadioGroup(std::vector<UINT> ids);

    bool isChecked(UINT id) const;
    void setChecked(UINT id, bool checked);
    // Checks a radio item and unchecks the rest of its group.
    void checkRadio(UINT id);

    void showAt(HWND owner, POINT screenPoint) const;

private:
    MenuHandle menu_;  // destroying the root destroys its submenus too
    std::vector<std::vector<UINT>> radioGroups_;
};

}  // namespace plk
