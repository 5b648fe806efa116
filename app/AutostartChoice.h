// The autostart mode as the menu shows it and settings.ini keeps it
// (autostart: 0 none, 1 the machine's Run value, 2 the current user's), and
// the Run value that carries it out. The menu and the file always say the
// mode in force: a choice that cannot be carried out puts them back.
#pragma once

#include <optional>
#include <string>

#include "app/Settings.h"
#include "gui/PopupMenu.h"

namespace plk {

class AutostartChoice {
public:
    // valueName: the Run value's name, the application title.
    AutostartChoice(PopupMenu& menu, const TSettings& settings, std::string valueName);

    // At start: reads autostart (default 2) and checks its item; another
    // number checks nothing.
    void read();
    // Mode 2 at start writes the current user's value when it is missing;
    // one there already (another path the user set up) is kept. Without an
    // exePath (no 8-bit path names the program) nothing is written.
    void writeMissingValue(const std::optional<std::string>& exePath) const;

    // A menu item chosen, the checked one too (the value gets the current
    // path). A value that cannot be written (no rights on the machine's key,
    // no exePath) throws with the reason, after the check and autostart are
    // put back to the mode still in force. A machine value that cannot be
    // removed is said in a box, and "Start with Windows" stays.
    void choose(int mode, const std::optional<std::string>& exePath);

private:
    void keep(int mode);  // checked and written

    PopupMenu& menu_;
    const TSettings& settings_;
    std::string valueName_;
    int mode_ = 2;
};

}  // namespace plk
