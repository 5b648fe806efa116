#include "system/Shell32.h"

#include "system/SystemLibrary.h"

namespace plk {
namespace {

template <typename Function>
Function shell32(const char* name) {
    return systemFunction<Function>("shell32.dll", name);
}

}  // namespace

UINT_PTR shAppBarMessage(DWORD message, APPBARDATA* data) {
    static const auto function = shell32<decltype(&SHAppBarMessage)>("SHAppBarMessage");
    return function ? function(message, data) : 0;
}

HINSTANCE shellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* folder, int show) {
    static const auto function = shell32<decltype(&ShellExecuteA)>("ShellExecuteA");
    // ShellExecute's results of 32 and below are errors; 2 is "file not found".
    return function ? function(owner, verb, file, parameters, folder, show) : reinterpret_cast<HINSTANCE>(2);
}

PIDLIST_ABSOLUTE shBrowseForFolderW(BROWSEINFOW* info) {
    static const auto function = shell32<decltype(&SHBrowseForFolderW)>("SHBrowseForFolderW");
    return function ? function(info) : nullptr;
}

BOOL shGetPathFromIDListW(PCIDLIST_ABSOLUTE list, wchar_t* path) {
    static const auto function = shell32<decltype(&SHGetPathFromIDListW)>("SHGetPathFromIDListW");
    return function ? function(list, path) : FALSE;
}

}  // namespace plk
