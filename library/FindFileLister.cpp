#include "library/FindFileLister.h"

#include <windows.h>

#include "platform/SystemMessage.h"
#include "system/AnsiPath.h"
#include "system/Handles.h"

namespace plk {
namespace {

// Failures that concern the one folder or pattern asked for, which the walk
// passes over: no match, no more entries, no right to list the folder, a
// pattern the file system refuses, a path too long for the listing. Anything
// else (a drive gone or not ready, a network name gone or unreachable, a
// folder listed a moment ago now "not found") is about the way there.
bool aboutTheFolderItself(DWORD error, const std::wstring& pattern) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_NO_MORE_FILES:
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return true;
    case ERROR_PATH_NOT_FOUND:
        // Beyond MAX_PATH some systems answer "not found" rather than "too long".
        return pattern.size() >= MAX_PATH;
    default:
        return false;
    }
}

// A name as the 8-bit paths hold it. The A functions would hand over a
// look-alike for a letter the code page lacks ('L' for 'Ł'), which names
// another file or none: such a name is given as "?", which no real name
// can be, and the entry's 8.3 name stands in for it.
std::string entryName(const WCHAR* name) {
    const std::optional<std::string> exact = exactAnsiText(name);
    return exact ? *exact : std::string(*name ? "?" : "");
}

FolderEntry entryOf(const WIN32_FIND_DATAW& found) {
    return FolderEntry{entryName(found.cFileName), entryName(found.cAlternateFileName), found.dwFileAttributes};
}

std::optional<ListingError> failure(DWORD error, const std::wstring& pattern) {
    if (aboutTheFolderItself(error, pattern)) return std::nullopt;
    return ListingError{systemMessage(error)};
}

}  // namespace

std::optional<ListingError> FindFileLister::list(const std::string& pattern,
                                                 const std::function<bool(const FolderEntry&)>& visit) {
    // The folder part is the code page's exact spelling of a real path, so
    // it converts back to the same UTF-16 path.
    const std::wstring wide = wideFromCodePage(pattern);
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileW(wide.c_str(), &found));
    if (!search) return failure(GetLastError(), wide);
    do {
        if (!visit(entryOf(found))) return std::nullopt;
    } while (FindNextFileW(search.get(), &found));
    return failure(GetLastError(), wide);
}

std::string FindFileLister::shortPath(const std::string& folder) {
    WCHAR shortened[MAX_PATH];
    const DWORD length = GetShortPathNameW(wideFromCodePage(folder).c_str(), shortened, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return folder;
    const std::optional<std::string> exact = exactAnsiText(std::wstring(shortened, length));
    return exact ? *exact : folder;
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
