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
        if (!visit(FolderEntry{found.cFileName, found.dwFileAttributes})) return;
    } while (FindNextFileA(search.get(), &found));
}

}  // namespace plk
