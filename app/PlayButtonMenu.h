// PopupMenu1, the Play button's right-click menu, in its initial layout.
#pragma once

#include "gui/PopupMenu.h"

namespace plk {

// Command ids, named after the menu items.
enum PopupMenu1Item : UINT {
    Reindex1 = 100,
    Dontstartautomatically1,
    StartwithWindows1,
    Startwithcurrentuser1,
    Globalhotkey1,
    Alwaysontop1,
    Black1,
    Gray1,
    Blue1,
    Orange1,
    Green1,
    est21,
    Exit1,
};

// The theme item of a theme number, or 0 for a number that has none.
UINT themeItem(int theme);

// The autostart item of a mode, or 0 for a mode that has none.
UINT autostartItem(int mode);

// Fills menu with the items in order. Initially "&Start with Windows" and
// "&Black" are checked and "Always on &top" is not.
void buildPopupMenu1(PopupMenu& menu);

}  // namespace plk
