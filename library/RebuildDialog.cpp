#include "library/RebuildDialog.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <utility>

#include "gui/Application.h"
#include "gui/Controls.h"
#include "gui/ErrorBox.h"
#include "gui/FolderPicker.h"
#include "library/PassedOverText.h"
#include "library/StartFolder.h"
#include "platform/File.h"
#include "platform/FileAttributes.h"
#include "system/AnsiPath.h"
#include "system/Notice.h"

namespace plk {
namespace {

const char kStart[] = "&Start";
const char kStop[] = "&Stop";
const char kPause[] = "&Pause";
const char kResume[] = "R&esume";
const char kNoSuchFolder[] = "Selected directory does not exist.\r\n\r\nPlease, choose another directory.";
// Often enough for the count to run smoothly, seldom enough to cost the run nothing.
const UINT kProgressPaintMs = 50;

const char kLeftAsItWas[] = "Your music library was left as it was.";
const char kAnotherCopy[] =
    "The music library cannot be rebuilt now: another copy of Plinkety is rebuilding the library."
    "\r\n\r\nTry again when it has finished.";

std::string indexedFiles(std::int32_t count) { return "Indexed Files: " + std::to_string(count); }

// The absolute form of folder, relative to the current folder: a record
// holding a relative path would find nothing once the program is started
// from another folder.
std::wstring absoluteFolder(const std::wstring& folder) {
    const DWORD size = GetFullPathNameW(folder.c_str(), 0, nullptr, nullptr);
    if (size == 0) return folder;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(folder.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size) return folder;
    full.resize(length);
    return full;
}

// The folder a run starts in, as the index and the 8-bit calls reach it: the
// text without the quotes and blanks around it, with a backslash appended
// (so that "D:" is the root of D:, not its current folder), made absolute,
// by its short form when the code page cannot spell it. Nothing for an
// empty box (it would mean "\", the root of the current drive: not what
// anyone asks for by leaving the box empty) or a folder that does not exist.
std::optional<std::string> startFolderFromTyped(const std::wstring& typed) {
    const std::wstring text = unquotedFolderText(typed);
    if (text.empty()) return std::nullopt;
    std::optional<std::string> reached = ansiPath(startFolderOf(absoluteFolder(startFolderOf(text))));
    if (!reached || !folderExists(*reached)) return std::nullopt;
    return startFolderOf(*reached);
}

}  // namespace

TForm3::TForm3(std::function<void()> readIndex, std::size_t maxRecords)
    : readIndex_(std::move(readIndex)), maxRecords_(maxRecords) {
    // Enter presses Start/Stop. There is no Cancel button: Esc does nothing,
    // and a run goes on until Stop.
    createDialog("TForm3", "Rebuild Music Library", 345, 276, Button5, 0);
    progress_ = std::make_unique<CoalescedPaint>(hwnd(), kProgressPaintMs);
    createControls();
    FormCreate();
}

TForm3::~TForm3() {
    FormDestroy();
    // The program is ending: no worker may outlive the dialog, and none is
    // left to finish its folder. Each one stops at its next step and closes
    // the index, which then holds every record written until now. (A worker
    // abandons its run when it is destroyed; retired ones already have.)
    SearchThread.reset();
    retired_.takeAll();
}

void TForm3::FormCreate() { IndexFileName = Application::exeFolder() + kIndexFileName; }

void TForm3::FormClose() {
    if (readIndex_) readIndex_();
}

void TForm3::FormDestroy() {}

void TForm3::createControls() {
    const HWND self = hwnd();
    // Controls of a group box are children of the dialog at the group box's
    // offset: a group box passes no notifications on to the dialog.
    const int g1x = 8, g1y = 8, g2x = 8, g2y = 168;
    makeGroupBox(self, GroupBox1, " Settings ", {g1x, g1y, 329, 153});
    makeLabel(self, Label1, "Search in:", g1x + 12, g1y + 30);
    makeEdit(self, Edit1, "C:\\", {g1x + 80, g1y + 27, 145, 21});
    makeButton(self, Button1, "&Browse", {g1x + 240, g1y + 24, 75, 25});
    makeLabel(self, Label2, "Search for:", g1x + 8, g1y + 64);
    makeEdit(self, Edit2, "", {g1x + 80, g1y + 64, 145, 21});
    const HWND list = makeListBox(self, ListBox1, {g1x + 80, g1y + 86, 145, 57});
    for (const char* pattern : {"*.mp3", "*.wmv", "*.flac", "*.ogg"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pattern));
    enableControl(makeButton(self, Button2, "&Add", {g1x + 240, g1y + 64, 75, 25}), false);
    enableControl(makeButton(self, Button3, "&Remove", {g1x + 240, g1y + 96, 75, 25}), false);
    makeGroupBox(self, GroupBox2, " Progress ", {g2x, g2y, 329, 41});
    makeFixedLabel(self, Label3, "", {g2x + 11, g2y + 18, 310, 18});
    makeDefaultButton(self, Button5, kStart, {176, 224, 75, 25});
    makeButton(self, Button6, "&Close", {264, 224, 75, 25});
    makeButton(self, Button4, kPause, {88, 224, 75, 25});
    setStatusBarText(makeStatusBar(self, StatusBar1, {0, 276 - 19, 345, 19}), indexedFiles(0));
    onCommand(Button1, [this] { Button1Click(); });
    onCommand(Button2, [this] { Button2Click(); });
    onCommand(Button3, [this] { Button3Click(); });
    onCommand(Button4, [this] { Button4Click(); });
    onCommand(Button5, [this] { Button5Click(); });
    onCommand(Button6, [this] { Button6Click(); });
    onCommand(Edit2, [this] { Edit2Change(); }, EN_CHANGE);
    onCommand(ListBox1, [this] { ListBox1Click(); }, LBN_SELCHANGE);
    setRunState(RunState::kIdle);
}

LRESULT TForm3::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        focus_.activate(hwnd(), wParam);
        return 0;
    case WM_ENDSESSION:
        if (wParam) sessionEnding();
        return 0;
    case WM_CLOSE:
        // Close is greyed during a run; the title bar cannot close the dialog then.
        if (running()) return 0;
        hide();
        FormClose();
        return 0;
    default:
        return ModelessDialog::handleMessage(message, wParam, lParam);
    }
}

void TForm3::Button1Click() {
    // The box shows the folder as it is named; Start makes the path the
    // index can hold of it.
    const std::wstring path = BrowseForFolder("Select a folder", BIF_RETURNONLYFSDIRS);
    if (!path.empty()) setControlText(item(Edit1), path);
}

void TForm3::Edit2Change() { enableControl(item(Button2), !controlText(item(Edit2)).empty()); }

void TForm3::Button2Click() {
    // No check for duplicates or for the form of a pattern: the text is used
    // as typed. But a letter the code page cannot spell would become a
    // look-alike or a '?', a wildcard that matches other files.
    const std::wstring typed = wideControlText(item(Edit2));
    const std::optional<std::string> pattern = exactAnsiText(typed);
    if (!pattern) {
        showNotice(NoticeKind::kWarning,
                   L"The pattern \"" + typed +
                       L"\" cannot be used: it has letters that the language for non-Unicode programs set in "
                       L"Windows cannot spell.\r\n\r\nPlease, type the pattern with other letters or wildcards.");
        return;
    }
    SendMessageA(item(ListBox1), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pattern->c_str()));
}

void TForm3::ListBox1Click() {
    enableControl(item(Button3), SendMessageA(item(ListBox1), LB_GETCURSEL, 0, 0) != LB_ERR);
}

void TForm3::Button3Click() {
    const LRESULT selected = SendMessageA(item(ListBox1), LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) SendMessageA(item(ListBox1), LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    enableControl(item(Button3), false);
}

void TForm3::Button5Click() {
    if (runState_ == RunState::kIdle)
        Start();
    else
        Stop();
}

void TForm3::Button4Click() {
    if (!SearchThread) return;
    if (runState_ == RunState::kRunning) {
        SearchThread->pause();
        setRunState(RunState::kPaused);
    } else if (runState_ == RunState::kPaused) {
        SearchThread->resume();
        setRunState(RunState::kRunning);
    }
}

void TForm3::Button6Click() { SendMessageA(hwnd(), WM_CLOSE, 0, 0); }

bool TForm3::running() const { return runState_ != RunState::kIdle; }

void TForm3::Start() {
    const std::optional<std::string> folder = startFolderFromTyped(wideControlText(item(Edit1)));
    if (!folder) {
        showNotice(NoticeKind::kWarning, kNoSuchFolder);
        return;
    }
    StartFolder = *folder;
    SearchPatterns = listBoxItems(item(ListBox1));
    // Held and emptied before anything changes on screen: when it fails, a
    // box shows, the dialog stays idle, and a stopped run still finishing its
    // folder goes on writing into the index it holds.
    if (!holdIndex()) return;
    try {
        rewrite_.begin();
    } catch (...) {
        // Held for this Start alone: no stopped run is writing into it.
        if (!SearchThread) rewrite_.release();
        throw;
    }
    // Now that the new run starts, the stopped one must not write into the
    // emptied index. None of its writes can come in between: they are made on
    // this thread.
    if (SearchThread) {
        SearchThread->abandon();
        retired_.add(std::move(SearchThread));
    }
    // The worker's first step waits for this handler to return.
    SearchObserver& observer = *this;
    SearchThread = std::make_unique<TSearchThread>(SearchSettings{IndexFileName, StartFolder, SearchPatterns, maxRecords_},
                                                   observer, gui_);
    setRunState(RunState::kRunning);
    setStatus(indexedFiles(0));
}

bool TForm3::holdIndex() {
    // A stopped run still finishing its folder holds it already.
    if (rewrite_.held()) return true;
    try {
        rewrite_.hold(IndexFileName);
    } catch (const FileError& error) {
        if (error.kind() != FileError::Kind::kInUse) throw;
        showNotice(NoticeKind::kWarning, kAnotherCopy);
        return false;
    }
    return true;
}

void TForm3::restoreIndex() {
    if (!rewrite_.held()) return;
    try {
        rewrite_.restore();
    } catch (...) {
        rewrite_.release();
        throw;
    }
    rewrite_.release();
}

void TForm3::sessionEnding() {
    // Log-off or shutdown ends the process before the run could: a part of
    // the new library must not replace the whole of the old one. A stopped
    // run keeps what it wrote, as at any other end of the program.
    if (!running()) return;
    if (SearchThread) SearchThread->abandon();
    runHandler([this] { restoreIndex(); });
}

void TForm3::Stop() {
    // Not waited for: the worker finishes the folder it is in, and its last
    // records still count on the status bar. A paused worker is woken for it.
    if (SearchThread) SearchThread->Terminate();
    enterIdle("Stopped.");
}

void TForm3::enterIdle(const char* outcome) {
    progress_->flush();
    setRunState(RunState::kIdle);
    setControlText(item(Label3), outcome);
}

void TForm3::setRunState(RunState state) {
    runState_ = state;
    const bool idle = state == RunState::kIdle;
    setControlText(item(Button5), idle ? kStart : kStop);
    // Pause reads "&Pause" whenever it is disabled, so that the next run
    // starts with it, even when this one was stopped or ended while paused.
    setControlText(item(Button4), state == RunState::kPaused ? kResume : kPause);
    enableControl(item(Button4), !idle);
    enableControl(item(Button6), idle);
    EnableCloseItem(idle);
}

void TForm3::EnableCloseItem(bool Enable) {
    const HMENU menu = GetSystemMenu(hwnd(), FALSE);
    if (menu) EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | (Enable ? MF_ENABLED : MF_GRAYED));
}

void TForm3::setStatus(const std::string& text) {
    progress_->send(item(StatusBar1), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TForm3::showFolder(const std::string& folder) {
    progress_->send(item(Label3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
}

void TForm3::writeRecord(const TLibraryRecord& record, std::int32_t fileCount) {
    rewrite_.append(record);
    setStatus(indexedFiles(fileCount));
}

void TForm3::searchDone(const SearchResult& result) {
    rewrite_.release();
    enterIdle("Done.");
    if (readIndex_) runHandler(readIndex_);
    if (result.end == SearchEnd::kIndexFull)
        showNotice(NoticeKind::kWarning, indexFullMessage(result.fileCount) + passedOverParagraph(result.passedOver));
    else
        showNotice(NoticeKind::kInformation, "Your new music library has been built.\r\n\r\n" +
                                                std::to_string(result.fileCount) + " music files found." +
                                                passedOverParagraph(result.passedOver));
}

// A failed run leaves the library it was to replace: the index gets back its
// bytes, and the main window's library, loaded from them, stays as it is.
void TForm3::endFailedRun(const std::string& text) {
    if (running()) enterIdle("Stopped.");
    std::string box = text;
    try {
        restoreIndex();
        box += std::string("\r\n\r\n") + kLeftAsItWas;
    } catch (const std::exception& error) {
        box += "\r\n\r\nThe music library index " + IndexFileName +
               " could not be put back as it was either: rebuild your music library.\r\n\r\n" + error.what();
    }
    showErrorBox(box);
}

void TForm3::searchFailed(const std::string& message) {
    endFailedRun("The music library index " + IndexFileName + " could not be written.\r\n\r\n" + message);
}

void TForm3::folderLost(const std::string& folder, const std::string& message) {
    endFailedRun("The music library could not be rebuilt: the folder " + folder +
                 " could not be read any more.\r\n\r\n" + message);
}

void TForm3::searchEnded(const TSearchThread* thread) {
    if (SearchThread.get() == thread) {
        SearchThread.reset();
        // A stopped run has finished its folder: the index is free.
        rewrite_.release();
        return;
    }
    // Joined here, out of the list: see RetiredWorkers.
    const std::unique_ptr<TSearchThread> ended = retired_.takeOut(thread);
}

}  // namespace plk
