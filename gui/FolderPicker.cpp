#include "gui/FolderPicker.h"

#include <memory>

#include "gui/Application.h"
#include "gui/Placement.h"
#include "system/AnsiPath.h"
#include "system/ComApartment.h"
#include "system/Shell32.h"

namespace plk {
namespace {

struct TaskMemoryFreer {
    void operator()(void* memory) const { freeTaskMemory(memory); }
};

}  // namespace

std::wstring BrowseForFolder(const std::string& Title, UINT Flags) {
    const ComApartment apartment;
    const std::wstring title = wideFromCodePage(Title);
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW info{};
    info.hwndOwner = Application::ownerWindow();
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = Flags;
    info.lpfn = BrowseCallback;
    info.lParam = 0;
    std::unique_ptr<ITEMIDLIST, TaskMemoryFreer> chosen(shBrowseForFolderW(&info));
    if (!chosen) return std::wstring();
    wchar_t path[MAX_PATH + 1] = {};
    if (!shGetPathFromIDListW(chosen.get(), path)) return std::wstring();
    return path;
}

int CALLBACK BrowseCallback(HWND Window, UINT Message, LPARAM, LPARAM) {
    if (Message != BFFM_INITIALIZED) return 0;
    const RECT area = workArea();
    RECT picker{};
    GetWindowRect(Window, &picker);
    const int width = picker.right - picker.left, height = picker.bottom - picker.top;
    const int x = (area.right - area.left) / 2 - width / 2;
    const int y = (area.bottom - area.top) / 2 - height / 2;
    MoveWindow(Window, x, y, width, height, TRUE);
    return 0;
}

}  // namespace plk
