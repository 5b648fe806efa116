#include "app/AutostartChoice.h"

#include <stdexcept>
#include <utility>

#include "app/Autostart.h"
#include "app/PlayButtonMenu.h"
#include "system/Notice.h"

namespace plk {
namespace {

const int kMachineMode = 1;
const int kUserMode = 2;

// A path with '?' for a letter the code page lacks names no file, and one
// with a look-alike letter names another: Windows would start nothing, or
// someone else's program.
const char kNoPathToStart[] =
    "Windows cannot start Plinkety automatically from its folder: this system's code page cannot spell "
    "the folder's name, and the folder has no short name.\r\n\r\nMove plinkety.exe to a folder whose name "
    "uses only letters of your system's language, for instance C:\\Plinkety\\, and choose again.";

const char kMachineValueStays[] =
    "Plinkety still starts with Windows for every user of this computer: removing that needs "
    "administrator rights.\r\n\r\nTo remove it, start Plinkety as administrator (right-click "
    "plinkety.exe, Run as administrator) and choose again.";

void checkMode(PopupMenu& menu, int mode) {
    for (const int each : {0, kMachineMode, kUserMode}) menu.setChecked(autostartItem(each), each == mode);
}

}  // namespace

AutostartChoice::AutostartChoice(PopupMenu& menu, const TSettings& settings, std::string valueName)
    : menu_(menu), settings_(settings), valueName_(std::move(valueName)) {}

void AutostartChoice::read() {
    mode_ = settings_.readInteger("autostart", kUserMode);
    if (const UINT item = autostartItem(mode_)) menu_.checkRadio(item);
}

void AutostartChoice::writeMissingValue(const std::optional<std::string>& exePath) const {
    if (mode_ != kUserMode || !exePath || runValueExists(RunHive::kCurrentUser, valueName_)) return;
    WriteRunValue(RunHive::kCurrentUser, kRunKeyPath, valueName_, runCommand(*exePath));
}

void AutostartChoice::choose(int mode, const std::optional<std::string>& exePath) {
    menu_.checkRadio(autostartItem(mode));
    settings_.writeInteger("autostart", mode);
    int inForce = mode;
    try {
        if (mode != 0 && !exePath) throw std::runtime_error(kNoPathToStart);
        inForce = placeRunValue(mode, valueName_, exePath.value_or(std::string()));
    } catch (...) {
        // Nothing was deleted: the mode before is still in force.
        keep(mode_);
        throw;
    }
    if (inForce == mode) {
        mode_ = mode;
        return;
    }
    keep(inForce);
    showNotice(NoticeKind::kWarning, kMachineValueStays);
}

void AutostartChoice::keep(int mode) {
    checkMode(menu_, mode);
    settings_.writeInteger("autostart", mode);
    mode_ = mode;
}

}  // namespace plk
