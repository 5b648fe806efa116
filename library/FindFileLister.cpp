#include "library/FindFileLister.h"

#include <windows.h>

#include "win32/Handles.h"

namespace plk {

void FindFileLister::list(const std::string& pattern, const std::function<bool(const FolderEntry&)>& visit) {
    WIN32_FIND_DATAA found;
    // A folder that cannot be listed (gone, access denied, a path too long
    // for the listing) simply has no entries.
    FindHandle search(FindFirstFileA(pattern.c_str(), &found));
    if (!search) return;
    do {
        if (!visit(FolderEntry{found.cFileName, found.cAlternateFileName, found.dwFileAttributes})) return;
    } while (FindNextFileA(search.get(), &found));
}

std::string FindFileLister::shortPath(const std::string& folder) {
    char shortened[MAX_PATH];
    const DWORD length = GetShortPathNameA(folder.c_str(), shortened, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return folder;
    return std::string(shortened, length);
}

}  // namespace plk
