#include "system/SystemLibrary.h"

#include <windows.h>

namespace plk {
namespace {

bool named(const char* library, const char* name) { return lstrcmpiA(library, name) == 0; }

// AddDllDirectory came with the LOAD_LIBRARY_SEARCH flags.
bool loaderHasSearchFlags() {
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    return kernel && GetProcAddress(kernel, "AddDllDirectory");
}

// For a 32-bit program on 64-bit Windows the system redirects this folder to
// its 32-bit twin.
std::wstring systemFolder() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder, length) : std::wstring();
}

std::wstring widened(const char* ascii) {
    std::wstring wide;
    for (; *ascii; ++ascii) wide += static_cast<wchar_t>(static_cast<unsigned char>(*ascii));
    return wide;
}

}  // namespace

bool systemLibraryLoad(const char* library, bool searchFlags, SystemLibraryLoad& load) {
    // The system folder's own search order for what the library loads in
    // turn: the flag, or where it is unknown, the library's own folder first.
    load.flags = searchFlags ? LOAD_LIBRARY_SEARCH_SYSTEM32 : LOAD_WITH_ALTERED_SEARCH_PATH;
    if (named(library, "comctl32.dll")) {
        load.file = widened(library);
        // The altered search needs a path. The manifest's activation context
        // answers for this name before any folder is searched.
        if (!searchFlags) load.flags = 0;
        return true;
    }
    // Windows 7 has no shcore; on one without the update, whatever answers
    // to that name was put there by someone else.
    if (!searchFlags && named(library, "shcore.dll")) return false;
    const std::wstring folder = systemFolder();
    if (folder.empty()) return false;
    load.file = folder + L'\\' + widened(library);
    return true;
}

void* systemLibraryFunction(const char* library, const char* name) {
    SystemLibraryLoad load;
    if (!systemLibraryLoad(library, loaderHasSearchFlags(), load)) return nullptr;
    const HMODULE module = LoadLibraryExW(load.file.c_str(), nullptr, load.flags);
    if (!module) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(module, name));
}

}  // namespace plk
