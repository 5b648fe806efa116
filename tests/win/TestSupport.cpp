#include "tests/win/TestSupport.h"

#include <gtest/gtest.h>

#include "gui/Controls.h"
#include "gui/ModelessDialog.h"
#include "library/IndexFile.h"
#include "system/Handles.h"
#include "system/Notice.h"
#include "tests/support/FolderTree.h"

namespace plk::test {

TempTree::TempTree() {
    static int counter = 0;
    root_ = tempPath("plk-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\");
    removeFolderTree(root_);
    CreateDirectoryA(root_.c_str(), nullptr);
}

TempTree::~TempTree() { removeFolderTree(root_); }

std::string TempTree::folder(const std::string& relative, DWORD attributes) {
    std::string path = root_;
    std::size_t start = 0;
    while (start < relative.size()) {
        std::size_t end = relative.find('\\', start);
        if (end == std::string::npos) end = relative.size();
        path += relative.substr(start, end - start);
        CreateDirectoryA(path.c_str(), nullptr);
        path += '\\';
        start = end + 1;
    }
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
    return path;
}

std::string TempTree::file(const std::string& relative, DWORD attributes) {
    const std::string path = file(relative, std::vector<std::uint8_t>{'p', 'l', 'k'});
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
    return path;
}

std::string TempTree::file(const std::string& relative, const std::vector<std::uint8_t>& contents) {
    const std::size_t cut = relative.find_last_of('\\');
    if (cut != std::string::npos) folder(relative.substr(0, cut));
    const std::string path = root_ + relative;
    const FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(file) << path;
    DWORD written = 0;
    WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    return path;
}

void TempTree::wideFile(const std::wstring& relative) {
    const std::wstring root = extendedPath(root_);
    for (std::size_t cut = relative.find(L'\\'); cut != std::wstring::npos; cut = relative.find(L'\\', cut + 1))
        CreateDirectoryW((root + relative.substr(0, cut)).c_str(), nullptr);
    const std::wstring path = root + relative;
    const FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(file);
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void pumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    pumpUntil([&] { return GetTickCount() - start >= milliseconds; });
}

StandInWindow::StandInWindow(int x, int y, int width, int height)
    : window_(CreateWindowExA(0, "STATIC", "", WS_POPUP, x, y, width, height, nullptr, nullptr, nullptr, nullptr)) {
    // An activated window would be handed to a window manager, and Wine
    // then waits for one that is not there when the window is destroyed.
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

StandInWindow::~StandInWindow() { DestroyWindow(window_); }

int windowAlpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_TRUE(flags & LWA_ALPHA);
    return alpha;
}

Picture::Picture(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    SelectObjectScope select(dc.get(), bitmap.get());
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(first, first + width_ * height_);
}

COLORREF Picture::at(int x, int y) const {
    const std::uint32_t pixel = pixels_[static_cast<std::size_t>(y * width_ + x)];  // 0x00RRGGBB
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::vector<IndexEntry> readIndexFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    EXPECT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) << path;
    EXPECT_EQ(data.nFileSizeLow % sizeof(TLibraryRecord), 0u) << "the index holds a partial record";
    TLibrary library;
    loadIndex(path, library);
    std::vector<IndexEntry> entries;
    for (const TLibraryRecord& record : library) entries.push_back({record.number(), record.path()});
    return entries;
}

std::vector<std::string> paths(const std::vector<IndexEntry>& entries) {
    std::vector<std::string> paths;
    for (const IndexEntry& entry : entries) paths.push_back(entry.path);
    return paths;
}

MessageBoxRecorder::MessageBoxRecorder() {
    replaceMessageBoxForTesting([this](const std::string& text, const std::string& caption, UINT flags) {
        boxes.push_back({text, caption, flags});
        if (onShow) onShow(boxes.back());
        return IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { replaceMessageBoxForTesting(nullptr); }

RECT childRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void expectDialogFrame(HWND dialog, const char* caption, int clientWidth, int clientHeight) {
    EXPECT_EQ(controlText(dialog), caption);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, clientWidth);
    EXPECT_EQ(client.bottom, clientHeight);
    EXPECT_FALSE(GetWindowLongA(dialog, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

void expectControlPlaces(const std::vector<ControlPlace>& places) {
    for (const ControlPlace& place : places) {
        SCOPED_TRACE(GetDlgCtrlID(place.window));
        const RECT rect = childRect(place.window);
        EXPECT_EQ(rect.left, place.x);
        EXPECT_EQ(rect.top, place.y);
        EXPECT_EQ(rect.right - rect.left, place.width);
        EXPECT_EQ(rect.bottom - rect.top, place.height);
        if (place.text) {
            EXPECT_EQ(controlText(place.window), place.text);
        }
    }
}

void expectCentredFirstThenKeepsItsPlace(ModelessDialog& dialog, HWND closeButton) {
    dialog.showDialog();
    EXPECT_TRUE(dialog.visible());
    const RECT first = dialog.windowRect();
    EXPECT_EQ(first.left, (GetSystemMetrics(SM_CXSCREEN) - (first.right - first.left)) / 2);
    EXPECT_EQ(first.top, (GetSystemMetrics(SM_CYSCREEN) - (first.bottom - first.top)) / 2);
    SetWindowPos(dialog.hwnd(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(closeButton, BM_CLICK, 0, 0);
    EXPECT_FALSE(dialog.visible());
    dialog.showDialog();
    EXPECT_EQ(dialog.windowRect().left, 40);
    EXPECT_EQ(dialog.windowRect().top, 50);
}

void pressEscape(HWND dialog) {
    const HWND focus = GetFocus();
    MSG key{focus && IsChild(dialog, focus) ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    IsDialogMessageA(dialog, &key);
}

std::vector<int> childIds(HWND dialog, bool tabStopsOnly) {
    std::vector<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (!tabStopsOnly || (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP)) ids.push_back(GetDlgCtrlID(child));
    return ids;
}

}  // namespace plk::test
