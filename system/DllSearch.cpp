#include "system/DllSearch.h"

#include <windows.h>

#include "system/SystemLibrary.h"

namespace plk {

void loadDllsFromSystemFolderOnly() {
    // Looked up rather than imported, so that the program still starts where
    // the function is missing.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories =
        systemFunction<SetDefaultDllDirectoriesFunction>("kernel32.dll", "SetDefaultDllDirectories");
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    SetDllDirectoryA("");
}

}  // namespace plk
