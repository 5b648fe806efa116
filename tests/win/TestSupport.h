// Shared pieces of the in-process window tests: a folder tree made on disk
// for one test, the message pump, the index as written, message boxes
// answered by the test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace plk {
class ModelessDialog;
}

namespace plk::test {

// A fresh folder under the temporary folder, removed with all its contents
// (hidden, system and read-only ones too) at the end of the test.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The tree's root, with a trailing backslash.
    const std::string& root() const { return root_; }
    // Creates the folder (and its parents) below the root; returns its full path.
    std::string folder(const std::string& relative, DWORD attributes = 0);
    // Creates a small file below the root (its folder too); returns its full path.
    std::string file(const std::string& relative, DWORD attributes = 0);
    // The same, holding contents.
    std::string file(const std::string& relative, const std::vector<std::uint8_t>& contents);
    // Creates a small file below the root (its folders too) through the
    // UTF-16 calls: names the code page cannot spell, paths longer than the
    // ANSI calls take.
    void wideFile(const std::wstring& relative);

private:
    std::string root_;
};

// Handles this thread's messages until done() holds or the time is up.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 30000);
// Handles this thread's messages for a while.
void pumpFor(DWORD milliseconds);

// A plain top-level window, shown without being activated: where the Play
// button would be for the windows placed beside it.
class StandInWindow {
public:
    StandInWindow(int x, int y, int width, int height);
    ~StandInWindow();
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;
    HWND hwnd() const { return window_; }

private:
    HWND window_;
};

// The alpha of a layered window, as the system holds it.
int windowAlpha(HWND window);

// What a control paints (through WM_PRINTCLIENT), pixel by pixel.
class Picture {
public:
    explicit Picture(HWND control);
    int width() const { return width_; }
    int height() const { return height_; }
    // Red, green and blue of a pixel.
    COLORREF at(int x, int y) const;
    bool operator==(const Picture& other) const { return pixels_ == other.pixels_; }

private:
    int width_, height_;
    std::vector<std::uint32_t> pixels_;
};

struct IndexEntry {
    std::int32_t number;
    std::string path;
    bool operator==(const IndexEntry& other) const { return number == other.number && path == other.path; }
};
// The records of an index file; fails the test when its size is not a whole
// number of records.
std::vector<IndexEntry> readIndexFile(const std::string& path);
// The paths of the entries, in order.
std::vector<std::string> paths(const std::vector<IndexEntry>& entries);

struct ShownBox {
    std::string text;
    std::string caption;
    UINT flags;
};

// Answers every message box with OK while it lives, and keeps what they said.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    std::vector<ShownBox> boxes;
    // Runs while a box is "shown", on the thread that showed it.
    std::function<void(const ShownBox&)> onShow;
};

// A child window's rectangle in its parent's client coordinates.
RECT childRect(HWND child);

// A dialog's caption and client size, in a frame the user cannot resize.
void expectDialogFrame(HWND dialog, const char* caption, int clientWidth, int clientHeight);
// Where a dialog's layout puts a control, in its client pixels, and its text
// (nullptr: not checked).
struct ControlPlace {
    HWND window;
    const char* text;
    int x, y, width, height;
};
void expectControlPlaces(const std::vector<ControlPlace>& places);
// Shown first in the middle of the screen; closed with closeButton after a
// move, it shows again where the user left it.
void expectCentredFirstThenKeepsItsPlace(ModelessDialog& dialog, HWND closeButton);
// The ids of a dialog's children in z-order (the tab order), all or only the tab stops.
std::vector<int> childIds(HWND dialog, bool tabStopsOnly);
// Esc in a dialog, as the message loop's dialog navigation (IsDialogMessage)
// takes it from the control with the focus.
void pressEscape(HWND dialog);

}  // namespace plk::test
