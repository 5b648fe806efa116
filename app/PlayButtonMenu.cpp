#include "app/PlayButtonMenu.h"

#include "app/RecentPlayedMenu.h"

namespace plk {

UINT themeItem(int theme) {
    static const UINT items[] = {Black1, Gray1, Blue1, Orange1, Green1};
    return theme >= 0 && theme < 5 ? items[theme] : 0;
}

UINT autostartItem(int mode) {
    static const UINT items[] = {Dontstartautomatically1, StartwithWindows1, Startwithcurrentuser1};
    return mode >= 0 && mode < 3 ? items[mode] : 0;
}

HMENU buildPopupMenu1(PopupMenu& menu) {
    const HMENU root = menu.root();
    const HMENU est11 = menu.addSubmenu(root, "&Options");
    menu.addItem(est11, Reindex1, "Re&build music library...");
    menu.addSeparator(est11);  // N2
    menu.addItem(est11, Dontstartautomatically1, "&Don't start automatically");
    menu.addItem(est11, StartwithWindows1, "&Start with Windows");
    menu.addItem(est11, Startwithcurrentuser1, "Start with &current user");
    menu.addSeparator(est11);  // N3
    menu.addItem(est11, Globalhotkey1, "Set global &hotkeys...");
    menu.addSeparator(est11);  // N4
    menu.addItem(est11, Alwaysontop1, "Always on &top");
    menu.addItem(est11, Avoidrepeats1, "Avoid &repeats");

    const HMENU recentlyPlayed = addRecentlyPlayedMenu(menu, root);

    const HMENU apperance1 = menu.addSubmenu(root, "&Theme");
    menu.addItem(apperance1, Black1, "&Black");
    menu.addItem(apperance1, Gray1, "&Gray");
    menu.addItem(apperance1, Blue1, "&Blue");
    menu.addItem(apperance1, Orange1, "&Orange");
    menu.addItem(apperance1, Green1, "G&reen");

    menu.addSeparator(root);  // N1
    menu.addItem(root, est21, "A&bout...");
    menu.addSeparator(root);  // chr131
    menu.addItem(root, Exit1, "E&xit");

    menu.addRadioGroup({Dontstartautomatically1, StartwithWindows1, Startwithcurrentuser1});
    menu.addRadioGroup({Black1, Gray1, Blue1, Orange1, Green1});
    menu.checkRadio(StartwithWindows1);
    menu.checkRadio(Black1);
    return recentlyPlayed;
}

}  // namespace plk
