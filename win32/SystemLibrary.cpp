#include "win32/SystemLibrary.h"

#include <windows.h>

namespace plk {

void* systemLibraryFunction(const char* library, const char* name) {
    // The name without a folder keeps the side-by-side version the manifest
    // asks for (common controls 6); the search is limited to the system
    // folder. Windows 7 without update KB2533623 does not know that flag:
    // there the program's restricted search order applies, as it does to
    // the libraries it imports.
    HMODULE module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module && GetLastError() == ERROR_INVALID_PARAMETER) module = LoadLibraryA(library);
    if (!module) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(module, name));
}

}  // namespace plk
