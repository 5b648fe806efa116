// PopupMenu1, the Play button's right-click menu, in its initial layout.
// Its items by their design names, with their captions:
//   est11 "&Options"
//     Reindex1 "Re&build music library..."
//     N2 (a separator)
//     Dontstartautomatically1 "&Don't start automatically"
//     StartwithWindows1 "&Start with Windows"
//     Startwithcurrentuser1 "Start with &current user"
//     N3
//     Globalhotkey1 "Set global &hotkeys..."
//     N4
//     Alwaysontop1 "Always on &top"
//   apperance1 "&Theme"
//     Black1 "&Black", Gray1 "&Gray", Blue1 "&Blue", Orange1 "&Orange", Green1 "G&reen"
//   N1
//   est21 "A&bout..."
//   chr131
//   Exit1 "E&xit"
#pragma once

#include "gui/PopupMenu.h"

namespace plk {

// Command ids, by the items' design names.
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
    Avoidrepeats1,
};

// The theme item of a theme number, or 0 for a number that has none.
UINT themeItem(int theme);

// The autostart item of a mode, or 0 for a mode that has none.
UINT autostartItem(int mode);

// Fills menu with the items in order. Initially "&Start with Windows" and
// "&Black" are checked and "Always on &top" and "Avoid &repeats" are not.
// Returns the "Recently &played" submenu, which fillRecentlyPlayed fills.
HMENU buildPopupMenu1(PopupMenu& menu);

}  // namespace plk
