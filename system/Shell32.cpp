#include "system/Shell32.h"

#include "system/SystemLibrary.h"

namespace plk {
namespace {

const char kShell32[] = "shell32.dll";

}  // namespace

UINT_PTR shAppBarMessage(DWORD message, APPBARDATA* data) {
    static const auto function = systemFunction<decltype(&SHAppBarMessage)>(kShell32, "SHAppBarMessage");
    return function ? function(message, data) : 0;
}

HINSTANCE shellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* folder, int show) {
    static const auto function = systemFunction<decltype(&ShellExecuteA)>(kShell32, "ShellExecuteA");
    // ShellExecute's results of 32 and below are errors; 2 is "file not found".
    return function ? function(owner, verb, file, parameters, folder, show) : reinterpret_cast<HINSTANCE>(2);
}

PIDLIST_ABSOLUTE shBrowseForFolderW(BROWSEINFOW* info) {
    static const auto function = systemFunction<decltype(&SHBrowseForFolderW)>(kShell32, "SHBrowseForFolderW");
    return function ? function(info) : nullptr;
}

BOOL shGetPathFromIDListW(PCIDLIST_ABSOLUTE list, wchar_t* path) {
    static const auto function = systemFunction<decltype(&SHGetPathFromIDListW)>(kShell32, "SHGetPathFromIDListW");
    return function ? function(list, path) : FALSE;
}

}  // namespace plk
