#include "tests/support/FolderTree.h"

#include <windows.h>

#include "system/Handles.h"

namespace plk::test {

std::string tempPath(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return folder + name;
}

std::wstring extendedPath(const std::string& path) {
    const int length = MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), &wide[0], length);
    return L"\\\\?\\" + wide;
}

namespace {

void removeWideTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileW((folder + L"*").c_str(), &found));
    if (search) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeWideTree(path + L"\\");
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search.get(), &found));
    }
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

void removeFolderTree(const std::string& folder) { removeWideTree(extendedPath(folder)); }

}  // namespace plk::test
