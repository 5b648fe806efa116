// The shell's folder picker.
#pragma once

#include <windows.h>

#include <string>

namespace plk {

// Opens the picker owned by the application's window, starting at the
// desktop with nothing preselected. Returns the chosen folder's file-system
// path (a drive root ends in a backslash, other folders do not), or an empty
// path when the user cancels. Flags are BROWSEINFO's ulFlags (1: file-system
// folders only). The path is UTF-16, as the folder is named: the code page
// may not spell it (see ansiPath).
std::wstring BrowseForFolder(const std::string& Title, UINT Flags);

// The picker's callback: once the picker is initialised, moves it to the
// middle of the work area's size. The work area's left and top edges are not
// added, so with a taskbar at the left or top the picker sits off-centre by
// the taskbar's size; that is where the program has always put it.
int CALLBACK BrowseCallback(HWND Window, UINT Message, LPARAM Param, LPARAM Data);

}  // namespace plk
