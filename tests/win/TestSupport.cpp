#include "tests/win/TestSupport.h"

#include <gtest/gtest.h>

#include "library/IndexFile.h"
#include "tests/support/FolderTree.h"
#include "win32/Notice.h"

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
    const std::size_t cut = relative.find_last_of('\\');
    if (cut != std::string::npos) folder(relative.substr(0, cut));
    const std::string path = root_ + relative;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, "plk", 3, &written, nullptr);
    CloseHandle(file);
    if (attributes) SetFileAttributesA(path.c_str(), attributes);
    return path;
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
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

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= milliseconds; });
}

std::vector<IndexEntry> ReadIndexFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    EXPECT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) << path;
    EXPECT_EQ(data.nFileSizeLow % sizeof(TLibraryRecord), 0u) << "the index holds a partial record";
    TLibrary library;
    loadIndex(path, library);
    std::vector<IndexEntry> entries;
    for (const TLibraryRecord& record : library) entries.push_back({record.number(), record.path()});
    return entries;
}

std::vector<std::string> Paths(const std::vector<IndexEntry>& entries) {
    std::vector<std::string> paths;
    for (const IndexEntry& entry : entries) paths.push_back(entry.path);
    return paths;
}

MessageBoxRecorder::MessageBoxRecorder() {
    ReplaceMessageBoxForTesting([this](const std::string& text, const std::string& caption, UINT flags) {
        boxes.push_back({text, caption, flags});
        if (onShow) onShow(boxes.back());
        return IDOK;
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { ReplaceMessageBoxForTesting(nullptr); }

RECT ChildRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<int> ChildIds(HWND dialog, bool tabStopsOnly) {
    std::vector<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (!tabStopsOnly || (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP)) ids.push_back(GetDlgCtrlID(child));
    return ids;
}

}  // namespace plk::test
