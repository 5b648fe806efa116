// PopupMenu1: its items, and the Play button's answers to them.
#include "app/PlayButtonMenu.h"

#include "about/AboutDialog.h"
#include "app/HotkeyDialog.h"
#include "app/PlayButton.h"
#include "app/RecentPlayedMenu.h"
#include "face/CompanionWindow.h"
#include "face/SongTagPopup.h"
#include "gui/Application.h"
#include "gui/LayeredWindow.h"
#include "library/RebuildDialog.h"

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
    menu.addSeparator(est11);
    menu.addItem(est11, Dontstartautomatically1, "&Don't start automatically");
    menu.addItem(est11, StartwithWindows1, "&Start with Windows");
    menu.addItem(est11, Startwithcurrentuser1, "Start with &current user");
    menu.addSeparator(est11);
    menu.addItem(est11, Globalhotkey1, "Set global &hotkeys...");
    menu.addSeparator(est11);
    menu.addItem(est11, Alwaysontop1, "Always on &top");
    menu.addItem(est11, Avoidrepeats1, "Avoid &repeats");

    const HMENU recentlyPlayed = addRecentlyPlayedMenu(menu, root);

    const HMENU apperance1 = menu.addSubmenu(root, "&Theme");
    menu.addItem(apperance1, Black1, "&Black");
    menu.addItem(apperance1, Gray1, "&Gray");
    menu.addItem(apperance1, Blue1, "&Blue");
    menu.addItem(apperance1, Orange1, "&Orange");
    menu.addItem(apperance1, Green1, "G&reen");

    menu.addSeparator(root);
    menu.addItem(root, est21, "A&bout...");
    menu.addSeparator(root);
    menu.addItem(root, Exit1, "E&xit");

    menu.addRadioGroup({Dontstartautomatically1, StartwithWindows1, Startwithcurrentuser1});
    menu.addRadioGroup({Black1, Gray1, Blue1, Orange1, Green1});
    menu.checkRadio(StartwithWindows1);
    menu.checkRadio(Black1);
    return recentlyPlayed;
}

void TForm1::menuCommand(UINT id) {
    switch (id) {
    case Reindex1: Reindex1Click(); break;
    case Dontstartautomatically1: Dontstartautomatically1Click(); break;
    case StartwithWindows1: StartwithWindows1Click(); break;
    case Startwithcurrentuser1: Startwithcurrentuser1Click(); break;
    case Alwaysontop1: Alwaysontop1Click(); break;
    case Black1: themeClick(0); break;
    case Gray1: themeClick(1); break;
    case Blue1: themeClick(2); break;
    case Orange1: themeClick(3); break;
    case Green1: themeClick(4); break;
    case Exit1: ExitClick(); break;
    case Avoidrepeats1: Avoidrepeats1Click(); break;
    case Globalhotkey1: Globalhotkey1Click(); break;
    case est21: est21Click(); break;
    default:
        if (isRecentSongItem(id)) RecentSong1Click(recentIndex(id));
        break;
    }
}

void TForm1::ExitClick() { Application::Terminate(); }

void TForm1::est21Click() {
    if (aboutDialog_) aboutDialog_->showDialog();
}

void TForm1::Globalhotkey1Click() {
    if (hotkeyDialog_) hotkeyDialog_->showDialog();
}

void TForm1::Reindex1Click() {
    if (rebuildDialog_) rebuildDialog_->showDialog();
}

void TForm1::Alwaysontop1Click() {
    const bool onTop = !PopupMenu1.isChecked(Alwaysontop1);
    PopupMenu1.setChecked(Alwaysontop1, onTop);
    settings_.writeBool("stayontop", onTop);
    StayOnTop = onTop;
    // Turned off, the button goes behind every other window at once.
    if (onTop) placeTopmost(hwnd());
    else placeAtBottom(hwnd());
}

void TForm1::Dontstartautomatically1Click() { autostartClick(0); }

void TForm1::StartwithWindows1Click() { autostartClick(1); }

void TForm1::Startwithcurrentuser1Click() { autostartClick(2); }

void TForm1::autostartClick(int mode) { autostart_.choose(mode, Application::reachableExePath()); }

void TForm1::themeClick(int theme) {
    PopupMenu1.checkRadio(themeItem(theme));
    const bool invert = theme == 1;  // only Gray has dark labels
    settings_.writeInteger("schema", theme);
    settings_.writeBool("clinvert", invert);
    Theme = theme;
    InvertLabels = invert;
    applyTheme();
}

void TForm1::applyTheme() {
    Image1->drawImage(ImageList1, Theme);
    for (Companion* companion : companions_) companion->drawTheme(Theme);
    Image1->repaint();
    for (Companion* companion : companions_) companion->repaintImage();
    if (songTag_) songTag_->setLabelColour(InvertLabels);
}

}  // namespace plk
