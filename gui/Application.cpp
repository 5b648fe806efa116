#include "gui/Application.h"

#include <algorithm>
#include <cstring>

#include "system/AnsiPath.h"
#include "system/LastError.h"
#include "system/SystemLibrary.h"

namespace plk {
namespace {

const char kOwnerClass[] = "PlinketyApplication";
// The system's dialog class, which MessageBox's windows have.
const char kMessageBoxClass[] = "#32770";

std::string g_title;
HICON g_icon = nullptr;
HWND g_owner = nullptr;
HWND g_mainWindow = nullptr;
std::vector<HWND> g_dialogs;

BOOL CALLBACK visitWindow(HWND window, LPARAM visit) {
    (*reinterpret_cast<const std::function<void(HWND)>*>(visit))(window);
    return TRUE;
}

// The top-level windows of this thread, message boxes included.
void forEachThreadWindow(const std::function<void(HWND)>& visit) {
    EnumThreadWindows(GetCurrentThreadId(), visitWindow, reinterpret_cast<LPARAM>(&visit));
}

std::wstring moduleFileName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The owner window may be activated, at start for one, but never takes a
// keystroke. Without an input context its activation does not set up the
// input method for it: under Wine that was some 10 ms before the button
// could show. Dialogs and their edits keep the thread's own context.
void takeNoTextInput(HWND window) {
    using AssociateContext = void*(WINAPI*)(HWND, void*);
    if (const auto associate = systemFunction<AssociateContext>("imm32.dll", "ImmAssociateContext"))
        associate(window, nullptr);
}

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

}  // namespace

Application::Application(const std::string& title, int iconId) {
    g_title = title;
    g_icon = LoadIconA(instance(), MAKEINTRESOURCEA(iconId));
    WNDCLASSA wc{};
    wc.lpfnWndProc = ownerProc;
    wc.hInstance = instance();
    wc.lpszClassName = kOwnerClass;
    wc.hIcon = g_icon;
    if (!RegisterClassA(&wc)) throwLastError();
    // A zero-size window at the centre of the screen: it carries the title
    // and owns every window, so none of them gets a taskbar button of its own.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    g_owner = CreateWindowExA(0, kOwnerClass, title.c_str(),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0, nullptr,
                              nullptr, instance(), nullptr);
    if (!g_owner) throwLastError();
    takeNoTextInput(g_owner);
}

Application::~Application() {
    if (g_owner) DestroyWindow(g_owner);
    g_owner = nullptr;
    UnregisterClassA(kOwnerClass, instance());
}

const std::string& Application::title() { return g_title; }

HWND Application::ownerWindow() { return g_owner; }

void Application::setMainWindow(HWND window) { g_mainWindow = window; }

HINSTANCE Application::instance() { return GetModuleHandleA(nullptr); }

HICON Application::icon() { return g_icon; }

std::string Application::exePath() {
    if (std::optional<std::string> reached = reachableExePath()) return *reached;
    return lossyAnsiText(moduleFileName());
}

std::optional<std::string> Application::reachableExePath() { return ansiPath(moduleFileName()); }

std::string Application::exeFolder() {
    const std::string path = exePath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

bool Application::exeFolderReachable() { return ansiPath(folderOf(moduleFileName())).has_value(); }

std::wstring Application::exeFolderName() { return folderOf(moduleFileName()); }

void Application::addDialog(HWND dialog) { g_dialogs.push_back(dialog); }

void Application::removeDialog(HWND dialog) {
    g_dialogs.erase(std::remove(g_dialogs.begin(), g_dialogs.end(), dialog), g_dialogs.end());
}

bool Application::routeToDialog(MSG& message) {
    for (HWND dialog : g_dialogs) {
        if (IsWindowVisible(dialog) && (message.hwnd == dialog || IsChild(dialog, message.hwnd)))
            return IsDialogMessageW(dialog, &message) != FALSE;
    }
    return false;
}

HWND Application::shownMessageBox() {
    HWND shown = nullptr;
    forEachThreadWindow([&](HWND window) {
        char name[8] = {};
        GetClassNameA(window, name, sizeof name);
        if (!shown && IsWindowVisible(window) && std::strcmp(name, kMessageBoxClass) == 0) shown = window;
    });
    return shown;
}

void Application::hideWindows() {
    forEachThreadWindow([](HWND window) {
        if (IsWindowVisible(window)) ShowWindow(window, SW_HIDE);
    });
}

int Application::run() {
    // A UTF-16 loop: a character typed into a UTF-16 edit arrives as it was
    // typed, where an 8-bit loop would hand it over in the code page, '?'
    // for a letter it cannot spell. The 8-bit windows get it converted.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (routeToDialog(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void Application::Terminate() { PostQuitMessage(0); }

LRESULT CALLBACK Application::ownerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        // Closed from outside (the taskbar, a task manager), the program
        // ends by the main window's own road.
        if (g_mainWindow) SendMessageA(g_mainWindow, WM_CLOSE, 0, 0);
        else Terminate();
        return 0;
    }
    // The owner window never takes a keystroke and has no input context
    // (takeNoTextInput), so there is no input method window to show for it.
    // Handed on, its activation at start would load the input method itself,
    // some 3 ms under Wine before the button can show; the first dialog that
    // takes text loads it instead.
    if (message == WM_IME_SETCONTEXT) return 0;
    // A window of no size has no caption to repaint when it is activated or
    // deactivated: with lParam -1 DefWindowProc keeps the state and skips
    // the painting, which under Wine cost the activation at start some 0.6 ms.
    if (message == WM_NCACTIVATE) return DefWindowProcA(window, message, wParam, -1);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace plk
