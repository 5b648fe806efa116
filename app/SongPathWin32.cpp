#include "app/SongPathWin32.h"

#include <windows.h>

#include "app/SongPath.h"
#include "system/SystemLibrary.h"

namespace plk {
namespace {

// Windows makes a short name for a long one by cutting it and adding "~" and
// a number; a name written without a "~" is its own long name.
bool endsInShortName(const std::string& path) {
    return path.find('~', path.find_last_of('\\') + 1) != std::string::npos;
}

bool longPathOf(const std::string& path, std::string& longPath) {
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetLongPathNameA(path.c_str(), &buffer[0], static_cast<DWORD>(buffer.size()));
        if (length == 0) return false;
        if (length < buffer.size()) {
            buffer.resize(length);
            longPath = buffer;
            return true;
        }
        buffer.resize(length);
    }
}

// The system's list, kept up to date by Windows and by administrators, on top
// of the program's own.
bool associationIsDangerous(const std::string& extension) {
    if (extension.empty()) return false;
    wchar_t wide[MAX_PATH]{};
    if (!MultiByteToWideChar(CP_ACP, 0, extension.c_str(), -1, wide, MAX_PATH)) return true;
    // In shlwapi since Windows XP SP1, looked up at the first click.
    using AssocIsDangerousFunction = BOOL(WINAPI*)(LPCWSTR);
    static const auto assocIsDangerous = systemFunction<AssocIsDangerousFunction>("shlwapi.dll", "AssocIsDangerous");
    return assocIsDangerous && assocIsDangerous(wide) != FALSE;
}

}  // namespace

bool isPlayableFile(const std::string& path) {
    if (!isPlayablePath(path)) return false;
    std::string opened = path;
    if (endsInShortName(path) && !(longPathOf(path, opened) && isPlayablePath(opened))) return false;
    return !associationIsDangerous(openedExtension(opened));
}

}  // namespace plk
