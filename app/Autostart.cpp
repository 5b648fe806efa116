#include "app/Autostart.h"

#include <windows.h>

#include <stdexcept>

#include "win32/Handles.h"
#include "platform/SystemMessage.h"

namespace plk {

const char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

HKEY hiveRoot(RunHive hive) { return hive == RunHive::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

// On 64-bit Windows a 32-bit program's view of the machine's software keys
// is a separate copy; both builds use the 64-bit view, so that each sees and
// removes what the other wrote. 32-bit Windows ignores the flag.
REGSAM hiveView(RunHive hive) { return hive == RunHive::LocalMachine ? KEY_WOW64_64KEY : 0; }

RegistryKey openRunKey(RunHive hive, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(hiveRoot(hive), kRunKeyPath, 0, access | hiveView(hive), &key) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

}  // namespace

void DeleteRunValue(const std::string& name, RunHive hive) {
    const RegistryKey key = openRunKey(hive, KEY_ALL_ACCESS);
    if (key) RegDeleteValueA(key.get(), name.c_str());
}

void WriteRunValue(RunHive hive, const std::string& keyPath, const std::string& name, const std::string& text) {
    HKEY opened = nullptr;
    // The registry functions return their error instead of setting the
    // thread's last error, so the returned code is the one to report.
    const LONG status = RegCreateKeyExA(hiveRoot(hive), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_WRITE | hiveView(hive), nullptr, &opened, nullptr);
    if (status != ERROR_SUCCESS) throw std::runtime_error(systemMessage(static_cast<unsigned long>(status)));
    const RegistryKey key(opened);
    const LONG written = RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(text.c_str()),
                                        static_cast<DWORD>(text.size() + 1));
    if (written != ERROR_SUCCESS) throw std::runtime_error(systemMessage(static_cast<unsigned long>(written)));
}

bool runValueExists(RunHive hive, const std::string& name) {
    const RegistryKey key = openRunKey(hive, KEY_QUERY_VALUE);
    return key && RegQueryValueExA(key.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

void placeRunValue(int mode, const std::string& name, const std::string& exePath) {
    for (const RunHive hive : {RunHive::LocalMachine, RunHive::CurrentUser})
        if (static_cast<int>(hive) != mode) DeleteRunValue(name, hive);
    if (mode == static_cast<int>(RunHive::LocalMachine) || mode == static_cast<int>(RunHive::CurrentUser))
        WriteRunValue(static_cast<RunHive>(mode), kRunKeyPath, name, runCommand(exePath));
}

}  // namespace plk
