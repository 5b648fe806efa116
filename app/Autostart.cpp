#include "app/Autostart.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "platform/SystemMessage.h"
#include "system/Handles.h"

namespace plk {

const char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

HKEY hiveRoot(RunHive hive) { return hive == RunHive::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

// On 64-bit Windows the registry redirector gives a 32-bit program a copy of
// the machine's software keys of its own. Both builds write and look in the
// 64-bit view, so that each sees and replaces what the other wrote. The
// current user's software keys are one for both.
const REGSAM kSharedView = KEY_WOW64_64KEY;

// 32-bit Windows has one view and ignores the view flags: there the 32-bit
// view is the shared one, not a second copy.
bool machineHasTwoViews() {
    if (sizeof(void*) == 8) return true;
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

// The views that may hold hive's value, the shared one first.
std::vector<REGSAM> viewsOf(RunHive hive) {
    if (hive == RunHive::kCurrentUser) return {0};
    if (machineHasTwoViews()) return {kSharedView, KEY_WOW64_32KEY};
    return {kSharedView};
}

REGSAM writtenView(RunHive hive) { return viewsOf(hive).front(); }

RegistryKey openRunKey(RunHive hive, REGSAM view, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(hiveRoot(hive), kRunKeyPath, 0, access | view, &key) != ERROR_SUCCESS) return RegistryKey();
    return RegistryKey(key);
}

bool existsIn(RunHive hive, REGSAM view, const std::string& name) {
    const RegistryKey key = openRunKey(hive, view, KEY_QUERY_VALUE);
    return key && RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// True when the view holds no such value afterwards.
bool deleteFrom(RunHive hive, REGSAM view, const std::string& name) {
    if (const RegistryKey key = openRunKey(hive, view, KEY_ALL_ACCESS)) RegDeleteValueA(key.get(), name.c_str());
    return !existsIn(hive, view, name);
}

// What an earlier x86 build left in the 32-bit view beside the value just
// written to the shared one: Windows would start the program twice.
void deleteFromOtherViews(RunHive hive, const std::string& name) {
    for (const REGSAM view : viewsOf(hive))
        if (view != writtenView(hive)) deleteFrom(hive, view, name);
}

}  // namespace

bool DeleteRunValue(const std::string& name, RunHive hive) {
    bool gone = true;
    for (const REGSAM view : viewsOf(hive)) gone = deleteFrom(hive, view, name) && gone;
    return gone;
}

void WriteRunValue(RunHive hive, const std::string& keyPath, const std::string& name, const std::string& text) {
    HKEY opened = nullptr;
    // The registry functions return their error instead of setting the
    // thread's last error, so the returned code is the one to report.
    const LONG status = RegCreateKeyExA(hiveRoot(hive), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_WRITE | writtenView(hive), nullptr, &opened, nullptr);
    if (status != ERROR_SUCCESS) throw std::runtime_error(systemMessage(static_cast<unsigned long>(status)));
    const RegistryKey key(opened);
    const LONG written = RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(text.c_str()),
                                        static_cast<DWORD>(text.size() + 1));
    if (written != ERROR_SUCCESS) throw std::runtime_error(systemMessage(static_cast<unsigned long>(written)));
}

bool runValueExists(RunHive hive, const std::string& name) { return existsIn(hive, writtenView(hive), name); }

int placeRunValue(int mode, const std::string& name, const std::string& exePath) {
    // The other values go only once the chosen one is written: a refused
    // write (a user without administrator rights choosing the machine's)
    // leaves the program starting as before.
    switch (mode) {
    case 1:
        WriteRunValue(RunHive::kLocalMachine, kRunKeyPath, name, runCommand(exePath));
        deleteFromOtherViews(RunHive::kLocalMachine, name);
        DeleteRunValue(name, RunHive::kCurrentUser);
        return 1;
    case 2:
        WriteRunValue(RunHive::kCurrentUser, kRunKeyPath, name, runCommand(exePath));
        if (DeleteRunValue(name, RunHive::kLocalMachine)) return 2;
        // The machine's value starts the program for this user as well.
        DeleteRunValue(name, RunHive::kCurrentUser);
        return 1;
    default: {
        const bool machineGone = DeleteRunValue(name, RunHive::kLocalMachine);
        DeleteRunValue(name, RunHive::kCurrentUser);
        return machineGone ? 0 : 1;
    }
    }
}

}  // namespace plk
