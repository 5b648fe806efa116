// The application object: its title, the hidden owner window that stands for
// the program on the taskbar and owns every other window, and the message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace plk {

class Application {
public:
    // title names the program on the taskbar and in its boxes; iconId is the
    // program's icon resource, which every window class of the program shows.
    Application(const std::string& title, int iconId);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static const std::string& title();
    static HWND ownerWindow();
    // The program's main window: a close sent to the owner window closes it.
    static void setMainWindow(HWND window);
    static HINSTANCE instance();
    static HICON icon();
    // Full path of the executable, and its folder with a trailing backslash,
    // for the 8-bit calls: as the system names it, or by its short form when
    // the code page cannot spell the name (a user folder named in another
    // script). When neither reaches it (see exeFolderReachable), the name
    // with '?' for what the code page cannot spell.
    static std::string exePath();
    static std::string exeFolder();
    // The executable's path as exePath gives it, or nothing when no 8-bit
    // path reaches it: what names the program to others (Windows at logon).
    static std::optional<std::string> reachableExePath();
    // False when no 8-bit path reaches the executable's folder: settings.ini
    // and the index cannot be kept there.
    static bool exeFolderReachable();
    // The folder as the system names it, with a trailing backslash: what the
    // user is shown.
    static std::wstring exeFolderName();

    // Dialogs get keyboard navigation (Tab, Enter, Esc) in the message loop.
    static void addDialog(HWND dialog);
    static void removeDialog(HWND dialog);

    // A message box of this program on the screen, or none: a visible window
    // of this thread of the system's dialog class, which message boxes (and
    // the folder picker) have. The program's own dialogs have classes of
    // their own and are not counted.
    static HWND shownMessageBox();
    // Hides every window of this thread, for the program's end.
    static void hideWindows();

    // Runs until Terminate; returns the exit code.
    int run();
    static void Terminate();

private:
    static LRESULT CALLBACK ownerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool routeToDialog(MSG& message);
};

}  // namespace plk
