// The few functions of the shell's library the program calls, looked up when
// first needed. shell32 is a large library that pulls others in with it, and
// the button, which needs none of it until the first click, would otherwise
// wait for all of them to load before WinMain.
#pragma once

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

namespace plk {

// Each answers as its shell32 namesake; where the library or the function
// cannot be loaded, as the call would fail: 0, nullptr or FALSE.
UINT_PTR shAppBarMessage(DWORD message, APPBARDATA* data);
HINSTANCE shellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* folder, int show);
PIDLIST_ABSOLUTE shBrowseForFolderW(BROWSEINFOW* info);
BOOL shGetPathFromIDListW(PCIDLIST_ABSOLUTE list, wchar_t* path);

}  // namespace plk
