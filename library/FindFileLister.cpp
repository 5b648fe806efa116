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

std::optional<FolderIdentity> FindFileLister::identity(const std::string& folder) {
    // Backup semantics open a folder rather than a file; the handle follows
    // links and junctions to the folder they point at. Reading attributes is
    // all it asks, which the right to list the parent grants.
    const FileHandle opened(CreateFileA(folder.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!opened || !GetFileInformationByHandle(opened.get(), &info)) return std::nullopt;
    const std::uint64_t index = (std::uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    // A file system that keeps no file indexes reports 0 for every folder:
    // taken as one folder, all would be passed over but the first.
    if (index == 0) return std::nullopt;
    return FolderIdentity{info.dwVolumeSerialNumber, index};
}

}  // namespace plk
