// The application object: its title, the hidden owner window that stands for
// the program on the taskbar and owns every other window, and the message loop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace plk {

class Application {
public:
    explicit Application(const std::string& title);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static const std::string& Title();
    static HWND OwnerWindow();
    // The program's main window: a close sent to the owner window closes it.
    static void setMainWindow(HWND window);
    static HINSTANCE Instance();
    // Full path of the executable, and its folder with a trailing backslash.
    static std::string ExePath();
    static std::string ExeFolder();

    // Dialogs get keyboard navigation (Tab, Enter, Esc) in the message loop.
    static void AddDialog(HWND dialog);
    static void RemoveDialog(HWND dialog);

    // Runs until Terminate; returns the exit code.
    int Run();
    static void Terminate();

private:
    static LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool RouteToDialog(MSG& message);
};

}  // namespace plk
