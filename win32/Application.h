// The application object: its title, the hidden owner window that stands for
// the program on the taskbar and owns every other window, and the message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace plk {

class Application {
public:
    explicit Application(const std::string& title);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static const std::string& title();
    static HWND ownerWindow();
    // The program's main window: a close sent to the owner window closes it.
    static void setMainWindow(HWND window);
    static HINSTANCE instance();
    // Full path of the executable, and its folder with a trailing backslash.
    static std::string exePath();
    static std::string exeFolder();

    // Dialogs get keyboard navigation (Tab, Enter, Esc) in the message loop.
    static void addDialog(HWND dialog);
    static void removeDialog(HWND dialog);

    // Whether a box or a dialog of this program is shown: a visible window
    // of this thread with a caption, other than the owner window.
    static bool boxOrDialogShown();
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
