#include "library/RebuildDialog.h"

#include <commctrl.h>

#include "app/Forms.h"
#include "app/PlayButton.h"
#include "platform/FileAttributes.h"
#include "win32/Application.h"
#include "win32/Controls.h"
#include "win32/ErrorBox.h"
#include "win32/FolderPicker.h"
#include "win32/Notice.h"
#include "win32/Placement.h"

namespace plk {
namespace {

const char kStart[] = "&Start";
const char kStop[] = "&Stop";
const char kPause[] = "&Pause";
const char kResume[] = "R&esume";
const char kNoSuchFolder[] = "Selected directory does not exist.\r\n\r\nPlease, choose another directory.";

const DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kLabel = SS_LEFT | SS_NOPREFIX;

std::string IndexedFiles(std::int32_t count) { return "Indexed Files: " + std::to_string(count); }

}  // namespace

TForm3::TForm3() {
    WindowParams params;
    params.className = "TForm3";
    params.text = "Rebuild Music Library";
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    params.width = 345;
    params.height = 276;
    params.clientSize = true;
    create(params);
    createControls();
    trimWindowMenu();
    Application::AddDialog(hwnd());
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
    Application::RemoveDialog(hwnd());
}

void TForm3::FormCreate() { IndexFileName = Application::ExeFolder() + "plkindex.dat"; }

void TForm3::FormClose() {
    if (Forms::Form1) Forms::Form1->ReadIndex();
}

void TForm3::FormDestroy() {}

void TForm3::createControls() {
    const HWND self = hwnd();
    // Controls of a group box are children of the dialog at the group box's
    // offset: a group box passes no notifications on to the dialog.
    const int g1x = 8, g1y = 8, g2x = 8, g2y = 168;
    // Created in tab order: the z-order of the children is the tab order.
    CreateControl(self, {"BUTTON", " Settings ", BS_GROUPBOX, g1x, g1y, 329, 153, GroupBox1});
    CreateControl(self, {"STATIC", "Search in:", kLabel, g1x + 12, g1y + 30, 0, 0, Label1});
    CreateControl(self, {"EDIT", "C:\\", ES_AUTOHSCROLL | WS_TABSTOP, g1x + 80, g1y + 27, 145, 21, Edit1,
                         WS_EX_CLIENTEDGE});
    CreateControl(self, {"BUTTON", "&Browse", kButton, g1x + 240, g1y + 24, 75, 25, Button1});
    CreateControl(self, {"STATIC", "Search for:", kLabel, g1x + 8, g1y + 64, 0, 0, Label2});
    CreateControl(self, {"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, g1x + 80, g1y + 64, 145, 21, Edit2,
                         WS_EX_CLIENTEDGE});
    const HWND list = CreateControl(self, {"LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                                           g1x + 80, g1y + 86, 145, 57, ListBox1, WS_EX_CLIENTEDGE});
    for (const char* pattern : {"*.mp3", "*.wmv", "*.flac", "*.ogg"})
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pattern));
    CreateControl(self, {"BUTTON", "&Add", kButton | WS_DISABLED, g1x + 240, g1y + 64, 75, 25, Button2});
    CreateControl(self, {"BUTTON", "&Remove", kButton | WS_DISABLED, g1x + 240, g1y + 96, 75, 25, Button3});
    CreateControl(self, {"BUTTON", " Progress ", BS_GROUPBOX, g2x, g2y, 329, 41, GroupBox2});
    // A long path is clipped at the label's edge, not wrapped.
    CreateControl(self, {"STATIC", "", SS_LEFTNOWORDWRAP | SS_NOPREFIX, g2x + 11, g2y + 18, 310, 18, Label3});
    CreateControl(self, {"BUTTON", kStart, BS_DEFPUSHBUTTON | WS_TABSTOP, 176, 224, 75, 25, Button5});
    CreateControl(self, {"BUTTON", "&Close", kButton, 264, 224, 75, 25, Button6});
    CreateControl(self, {"BUTTON", kPause, kButton | WS_DISABLED, 88, 224, 75, 25, Button4});
    const HWND status = CreateControl(self, {STATUSCLASSNAMEA, "", CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                             0, 276 - 19, 345, 19, StatusBar1});
    int onePanel = -1;
    SendMessageA(status, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&onePanel));
    setStatus(IndexedFiles(0));
}

void TForm3::trimWindowMenu() {
    // A fixed dialog: the window menu keeps Move and Close only.
    const HMENU menu = GetSystemMenu(hwnd(), FALSE);
    for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_TASKLIST})
        DeleteMenu(menu, command, MF_BYCOMMAND);
}

void TForm3::ShowDialog() {
    if (!shownBefore_) {
        CenterOnScreen(hwnd());
        shownBefore_ = true;
    }
    show(SW_SHOW);
    SetForegroundWindow(hwnd());
}

LRESULT TForm3::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_ACTIVATE:
        focus_.activate(hwnd(), wParam);
        return 0;
    case DM_GETDEFID:
        // Enter presses Start/Stop (the keyboard goes through IsDialogMessage).
        return MAKELRESULT(Button5, DC_HASDEFID);
    case WM_CLOSE:
        // Close is greyed during a run; the title bar cannot close the dialog then.
        if (running()) return 0;
        hide();
        FormClose();
        return 0;
    default:
        return defaultHandling(message, wParam, lParam);
    }
}

void TForm3::command(int id, int notification) {
    switch (id) {
    case Button1: if (notification == BN_CLICKED) Button1Click(); break;
    case Button2: if (notification == BN_CLICKED) Button2Click(); break;
    case Button3: if (notification == BN_CLICKED) Button3Click(); break;
    case Button4: if (notification == BN_CLICKED) Button4Click(); break;
    case Button5: if (notification == BN_CLICKED) Button5Click(); break;
    case Button6: if (notification == BN_CLICKED) Button6Click(); break;
    case Edit2: if (notification == EN_CHANGE) Edit2Change(); break;
    case ListBox1: if (notification == LBN_SELCHANGE) ListBox1Click(); break;
    default: break;  // Esc (IDCANCEL): the dialog has no Cancel button
    }
}

void TForm3::Button1Click() {
    const std::string path = BrowseForFolder("Select a folder", 1);
    if (!path.empty()) SetControlText(item(Edit1), path);
}

void TForm3::Edit2Change() { EnableControl(item(Button2), !ControlText(item(Edit2)).empty()); }

void TForm3::Button2Click() {
    // No check for duplicates or for the form of a pattern: the text is used as typed.
    const std::string pattern = ControlText(item(Edit2));
    SendMessageA(item(ListBox1), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pattern.c_str()));
}

void TForm3::ListBox1Click() {
    EnableControl(item(Button3), SendMessageA(item(ListBox1), LB_GETCURSEL, 0, 0) != LB_ERR);
}

void TForm3::Button3Click() {
    const LRESULT selected = SendMessageA(item(ListBox1), LB_GETCURSEL, 0, 0);
    if (selected != LB_ERR) SendMessageA(item(ListBox1), LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    EnableControl(item(Button3), false);
}

void TForm3::Button5Click() {
    if (ControlText(item(Button5)) == kStart)
        Start();
    else
        Stop();
}

void TForm3::Button4Click() {
    if (!SearchThread) return;
    if (ControlText(item(Button4)) == kPause) {
        SearchThread->Pause();
        SetControlText(item(Button4), kResume);
    } else {
        SearchThread->Resume();
        SetControlText(item(Button4), kPause);
    }
}

void TForm3::Button6Click() { SendMessageA(hwnd(), WM_CLOSE, 0, 0); }

bool TForm3::running() const { return ControlText(item(Button5)) != kStart; }

void TForm3::Start() {
    const std::string typed = ControlText(item(Edit1));
    const std::string folder = startFolderOf(typed);
    // An empty box would mean "\", the root of the current drive: not what
    // anyone asks for by leaving the box empty.
    if (typed.empty() || !folderExists(folder)) {
        ShowNotice(NoticeKind::Warning, kNoSuchFolder);
        return;
    }
    StartFolder = folder;
    SearchPatterns = ListBoxItems(item(ListBox1));
    // Emptied before anything changes on screen: when it fails, the error box
    // shows, the dialog stays idle, and a stopped run still finishing its
    // folder goes on writing into the index it has.
    IndexWriter::createEmpty(IndexFileName);
    // Now that the new run starts, the stopped one must not write into the
    // emptied index. None of its writes can come in between: they are made on
    // this thread.
    if (SearchThread) {
        SearchThread->Abandon();
        retired_.add(std::move(SearchThread));
    }
    // The worker's first step waits for this handler to return.
    SearchObserver& observer = *this;
    SearchThread = std::make_unique<TSearchThread>(SearchSettings{IndexFileName, StartFolder, SearchPatterns},
                                                   observer, gui_);
    SetControlText(item(Button5), kStop);
    EnableControl(item(Button4), true);
    EnableControl(item(Button6), false);
    EnableCloseItem(false);
    setStatus(IndexedFiles(0));
}

void TForm3::Stop() {
    // Not waited for: the worker finishes the folder it is in, and its last
    // records still count on the status bar. A paused worker is woken for it.
    if (SearchThread) SearchThread->Terminate();
    enterIdle();
    SetControlText(item(Label3), "Stopped.");
}

void TForm3::enterIdle() {
    SetControlText(item(Button5), kStart);
    // Pause reads "&Pause" whenever it is disabled, so that the next run
    // starts with it, even when this one was stopped or ended while paused.
    EnableControl(item(Button4), false);
    SetControlText(item(Button4), kPause);
    EnableControl(item(Button6), true);
    EnableCloseItem(true);
}

void TForm3::EnableCloseItem(bool Enable) {
    const HMENU menu = GetSystemMenu(hwnd(), FALSE);
    if (menu) EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | (Enable ? MF_ENABLED : MF_GRAYED));
}

void TForm3::setStatus(const std::string& text) {
    SendMessageA(item(StatusBar1), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TForm3::showFolder(const std::string& folder) { SetControlText(item(Label3), folder); }

void TForm3::showFileCount(std::int32_t fileCount) { setStatus(IndexedFiles(fileCount)); }

void TForm3::searchDone(std::int32_t fileCount) {
    EnableControl(item(Button4), false);
    SetControlText(item(Button4), kPause);
    SetControlText(item(Button5), kStart);
    SetControlText(item(Label3), "Done.");
    EnableControl(item(Button6), true);
    EnableCloseItem(true);
    if (Forms::Form1) RunHandler([] { Forms::Form1->ReadIndex(); });
    ShowNotice(NoticeKind::Information, "Your new music library has been built.\r\n\r\n" +
                                            std::to_string(fileCount) + " music files found.");
}

void TForm3::searchFailed(const std::string& message) {
    if (running()) {
        enterIdle();
        SetControlText(item(Label3), "Stopped.");
    }
    ShowErrorBox("The music library index " + IndexFileName + " could not be written.\r\n\r\n" + message);
}

void TForm3::searchEnded(const TSearchThread* thread) {
    if (SearchThread.get() == thread) {
        SearchThread.reset();
        return;
    }
    // Joined here, out of the list: see RetiredWorkers.
    const std::unique_ptr<TSearchThread> ended = retired_.takeOut(thread);
}

}  // namespace plk
