// The Rebuild Music Library dialog driven through its controls, on real
// folder trees, with the index beside the test program as in the real one.
#include "library/RebuildDialog.h"

#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

#include "app/PlayButton.h"
#include "gui/Application.h"
#include "gui/Controls.h"
#include "gui/Placement.h"
#include "platform/FileAttributes.h"
#include "system/AnsiPath.h"
#include "system/Event.h"
#include "system/Handles.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

using test::pumpUntil;

const char kNoSuchFolder[] = "Selected directory does not exist.\r\n\r\nPlease, choose another directory.";

// Holds the next workers on their own thread at the given occurrence of a
// step, just before they hand it to the GUI thread, until released.
class StepHold {
public:
    StepHold(SearchStep step, int occurrence) : state_(std::make_shared<State>()) {
        setSearchStepHookForTesting([state = state_, step, occurrence](SearchStep taken) {
            if (taken != step || ++state->seen != occurrence) return;
            state->reached.open();
            state->released.wait();
        });
    }
    ~StepHold() {
        setSearchStepHookForTesting(nullptr);
        release();
    }
    bool reached() const { return state_->reached.isOpen(); }
    void release() { state_->released.open(); }

private:
    struct State {
        std::atomic<int> seen{0};
        ManualResetEvent reached{false};
        ManualResetEvent released{false};
    };
    std::shared_ptr<State> state_;  // shared with the workers, which may outlive the hold
};

class RebuildDialogTest : public ::testing::Test {
protected:
    RebuildDialogTest() : index(Application::exeFolder() + "plkindex.dat") {
        SetFileAttributesA(index.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(index.c_str());
        dialog = std::make_unique<TForm3>();
    }
    ~RebuildDialogTest() override {
        dialog.reset();
        SetFileAttributesA(index.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(index.c_str());
    }

    HWND item(TForm3::ControlId id) const { return GetDlgItem(dialog->hwnd(), id); }
    std::string text(TForm3::ControlId id) const { return controlText(item(id)); }
    bool enabled(TForm3::ControlId id) const { return controlEnabled(item(id)); }
    void click(TForm3::ControlId id) { SendMessageA(item(id), BM_CLICK, 0, 0); }
    void searchIn(const std::string& folder) { setControlText(item(TForm3::Edit1), folder); }
    std::string status() const {
        char panel[128] = {};
        SendMessageA(item(TForm3::StatusBar1), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(panel));
        return panel;
    }
    int statusCount() const { return std::stoi(status().substr(std::string("Indexed Files: ").size())); }
    bool closeItemGreyed() const {
        return GetMenuState(GetSystemMenu(dialog->hwnd(), FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED;
    }
    void expectIdle() const {
        EXPECT_EQ(text(TForm3::Button5), "&Start");
        EXPECT_FALSE(enabled(TForm3::Button4));
        EXPECT_EQ(text(TForm3::Button4), "&Pause");
        EXPECT_TRUE(enabled(TForm3::Button6));
        EXPECT_FALSE(closeItemGreyed());
    }
    void expectRunning() const {
        EXPECT_EQ(text(TForm3::Button5), "&Stop");
        EXPECT_TRUE(enabled(TForm3::Button4));
        EXPECT_FALSE(enabled(TForm3::Button6));
        EXPECT_TRUE(closeItemGreyed());
    }
    // Only this pattern in the list.
    void searchFor(const std::string& pattern) {
        while (SendMessageA(item(TForm3::ListBox1), LB_GETCOUNT, 0, 0) > 0)
            SendMessageA(item(TForm3::ListBox1), LB_DELETESTRING, 0, 0);
        setControlText(item(TForm3::Edit2), pattern);
        click(TForm3::Button2);
    }
    bool doneBoxShown() const { return !boxes.boxes.empty(); }
    // Runs from Start to the completion box.
    void runToCompletion() {
        click(TForm3::Button5);
        ASSERT_TRUE(pumpUntil([&] { return doneBoxShown(); }));
    }

    test::MessageBoxRecorder boxes;
    test::TempTree music;
    std::string index;
    std::unique_ptr<TForm3> dialog;
};

TEST_F(RebuildDialogTest, EscLeavesItOpen) {
    // It has no Cancel button: only Close and the close box close it.
    dialog->showDialog();
    test::pressEscape(dialog->hwnd());
    EXPECT_TRUE(dialog->visible());
}

TEST_F(RebuildDialogTest, IsCreatedHiddenWithItsLayoutAndDefaults) {
    EXPECT_FALSE(dialog->visible());
    test::expectDialogFrame(dialog->hwnd(), "Rebuild Music Library", 345, 276);
    test::expectControlPlaces({
        {item(TForm3::GroupBox1), " Settings ", 8, 8, 329, 153},
        {item(TForm3::Edit1), "C:\\", 88, 35, 145, 21},
        {item(TForm3::Button1), "&Browse", 248, 32, 75, 25},
        {item(TForm3::Edit2), "", 88, 72, 145, 21},
        {item(TForm3::ListBox1), "", 88, 94, 145, 57},
        {item(TForm3::Button2), "&Add", 248, 72, 75, 25},
        {item(TForm3::Button3), "&Remove", 248, 104, 75, 25},
        {item(TForm3::GroupBox2), " Progress ", 8, 168, 329, 41},
        {item(TForm3::Label3), "", 19, 186, 310, 18},
        {item(TForm3::Button4), "&Pause", 88, 224, 75, 25},
        {item(TForm3::Button5), "&Start", 176, 224, 75, 25},
        {item(TForm3::Button6), "&Close", 264, 224, 75, 25},
        {item(TForm3::StatusBar1), nullptr, 0, 257, 345, 19},
    });
    // Add and Remove wait for a pattern to add or an item to remove.
    for (const TForm3::ControlId id :
         {TForm3::Edit1, TForm3::Button1, TForm3::Edit2, TForm3::ListBox1, TForm3::Button5})
        EXPECT_TRUE(enabled(id)) << id;
    for (const TForm3::ControlId id : {TForm3::Button2, TForm3::Button3}) EXPECT_FALSE(enabled(id)) << id;
    EXPECT_EQ(test::childRect(item(TForm3::Label1)).left, 20);
    EXPECT_EQ(test::childRect(item(TForm3::Label2)).top, 72);
    EXPECT_EQ(text(TForm3::Label1), "Search in:");
    EXPECT_EQ(text(TForm3::Label2), "Search for:");
    EXPECT_EQ(listBoxItems(item(TForm3::ListBox1)), (std::vector<std::string>{"*.mp3", "*.wmv", "*.flac", "*.ogg"}));
    EXPECT_EQ(SendMessageA(item(TForm3::ListBox1), LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(status(), "Indexed Files: 0");
    EXPECT_TRUE(GetWindowLongA(item(TForm3::Button5), GWL_STYLE) & BS_DEFPUSHBUTTON);
    expectIdle();

    // The children's order is the tab order: the first group's controls, the
    // second group's, then Start, Close, Pause.
    EXPECT_EQ(test::childIds(dialog->hwnd(), true),
              (std::vector<int>{TForm3::Edit1, TForm3::Button1, TForm3::Edit2, TForm3::ListBox1, TForm3::Button2,
                                TForm3::Button3, TForm3::Button5, TForm3::Button6, TForm3::Button4}));
}

TEST_F(RebuildDialogTest, IsCentredWhenFirstShownAndKeepsItsPlaceAfter) {
    dialog->showDialog();
    EXPECT_EQ(GetFocus(), item(TForm3::Edit1));  // the first tab stop
    test::expectCentredFirstThenKeepsItsPlace(*dialog, item(TForm3::Button6));
}

// The folder picker is answered from a timer that runs inside its modal loop.
struct PickerAnswer {
    std::string select;  // folder to pick, or empty to cancel
    RECT placed{};
    bool found = false;
    bool comBeforePicker = false;
    int selectTries = 0;
    bool selected = false;
};
PickerAnswer* g_answer = nullptr;

BOOL CALLBACK findPicker(HWND window, LPARAM result) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

// Asks the picker to select path (its documented message) and says whether
// the tree's selected item is now the folder. Selecting by hand in the tree
// raced the picker filling it on a loaded machine.
bool selectFolder(HWND picker, const std::string& path) {
    SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
    const HWND tree = FindWindowExA(picker, nullptr, "SysTreeView32", nullptr);
    char text[MAX_PATH] = {};
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = text;
    item.cchTextMax = sizeof text;
    return item.hItem && SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) &&
           path.substr(path.rfind('\\') + 1) == text;
}

void CALLBACK answerPicker(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND picker = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findPicker, reinterpret_cast<LPARAM>(&picker));
    if (!picker) return;
    if (!g_answer->found) {
        g_answer->found = true;
        GetWindowRect(picker, &g_answer->placed);
        // The picker may initialise COM for itself (Wine's does); the program
        // must have done so before. Then one uninitialisation still leaves
        // this thread in its apartment, and the initialisation after it puts
        // the count back as it was either way.
        CoUninitialize();
        g_answer->comBeforePicker = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED) == S_FALSE;
    }
    // The folder is selected tick after tick until the tree shows it (five
    // seconds at most); the choice is confirmed on the tick after.
    const int kMaxSelectTries = 50;
    if (!g_answer->select.empty() && !g_answer->selected && g_answer->selectTries++ < kMaxSelectTries) {
        g_answer->selected = selectFolder(picker, g_answer->select);
        return;
    }
    KillTimer(nullptr, timer);
    PostMessageA(picker, WM_COMMAND, g_answer->select.empty() ? IDCANCEL : IDOK, 0);
}

TEST_F(RebuildDialogTest, BrowsePlacesThePickerAndTakesTheChosenFolder) {
    dialog->showDialog();
    // A folder on the desktop, which every picker's tree can reach.
    char desktop[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    // Wine links both builds' desktops to the same home folder, and their
    // wineservers hand out the same process ids: the name tells the two
    // builds' runs apart as well.
    const std::string name = "plk-picked-" + std::to_string(sizeof(void*) * 8) + "-" +
                             std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    const std::string chosen = std::string(desktop) + "\\" + name;
    CreateDirectoryA(chosen.c_str(), nullptr);
    for (const std::string& select : {std::string(), chosen}) {
        SCOPED_TRACE(select.empty() ? "cancelled" : "confirmed");
        searchIn("D:\\typed");
        PickerAnswer answer{select};
        g_answer = &answer;
        SetTimer(nullptr, 0, 100, answerPicker);
        click(TForm3::Button1);
        g_answer = nullptr;
        ASSERT_TRUE(answer.found);
        EXPECT_TRUE(answer.comBeforePicker);
        EXPECT_EQ(text(TForm3::Edit1), select.empty() ? "D:\\typed" : select);
        // Centred on the work area's size, without its left and top edges.
        const RECT area = workArea();
        const int width = answer.placed.right - answer.placed.left;
        const int height = answer.placed.bottom - answer.placed.top;
        EXPECT_EQ(answer.placed.left, (area.right - area.left) / 2 - width / 2);
        EXPECT_EQ(answer.placed.top, (area.bottom - area.top) / 2 - height / 2);
    }
    RemoveDirectoryA(chosen.c_str());
}

TEST_F(RebuildDialogTest, PatternListIsEditedWithAddAndRemove) {
    setControlText(item(TForm3::Edit2), "*.mid");
    EXPECT_TRUE(enabled(TForm3::Button2));
    click(TForm3::Button2);
    click(TForm3::Button2);  // no duplicate check
    EXPECT_EQ(text(TForm3::Edit2), "*.mid");
    EXPECT_TRUE(enabled(TForm3::Button2));
    EXPECT_EQ(listBoxItems(item(TForm3::ListBox1)),
              (std::vector<std::string>{"*.mp3", "*.wmv", "*.flac", "*.ogg", "*.mid", "*.mid"}));
    setControlText(item(TForm3::Edit2), "");
    EXPECT_FALSE(enabled(TForm3::Button2));

    SendMessageA(item(TForm3::ListBox1), LB_SETCURSEL, 1, 0);
    SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(TForm3::ListBox1, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(item(TForm3::ListBox1)));
    EXPECT_TRUE(enabled(TForm3::Button3));
    click(TForm3::Button3);
    EXPECT_FALSE(enabled(TForm3::Button3));
    EXPECT_EQ(listBoxItems(item(TForm3::ListBox1)),
              (std::vector<std::string>{"*.mp3", "*.flac", "*.ogg", "*.mid", "*.mid"}));
}

TEST_F(RebuildDialogTest, StartWithoutAnExistingFolderWarnsAndLeavesTheIndexAlone) {
    test::MessageBoxRecorder& shown = boxes;
    IndexWriter::createEmpty(index);
    music.file("not-a-folder.mp3");
    for (const std::string& typed : {music.root() + "missing", std::string(), music.root() + "not-a-folder.mp3"}) {
        SCOPED_TRACE(typed);
        shown.boxes.clear();
        {
            // A stand-in record that must survive.
            File file(index, File::Access::kReadWrite);
            TLibraryRecord record{};
            record.setPath("kept");
            file.write(&record, sizeof record);
        }
        searchIn(typed);
        click(TForm3::Button5);
        ASSERT_EQ(shown.boxes.size(), 1u);
        EXPECT_EQ(shown.boxes[0].caption, "Warning");
        EXPECT_EQ(shown.boxes[0].text, kNoSuchFolder);
        EXPECT_TRUE(shown.boxes[0].flags & MB_ICONWARNING);
        expectIdle();
        EXPECT_EQ(test::paths(test::readIndexFile(index)), std::vector<std::string>{"kept"});
        EXPECT_FALSE(dialog->searching());
    }
}

TEST_F(RebuildDialogTest, ACompletedRunShowsDoneAndTheCountAndCanStartAgain) {
    music.file("a.mp3");
    music.file("Sub\\b.ogg");
    music.file("Sub\\c.txt");
    std::string typed = music.root();
    typed.pop_back();  // typed without its trailing backslash
    searchIn(typed);
    dialog->showDialog();
    boxes.onShow = [&](const test::ShownBox&) {
        // What the dialog shows while the box is up. The progress, drawn a
        // few times a second during the run, is drawn again at once.
        EXPECT_EQ(text(TForm3::Label3), "Done.");
        expectIdle();
        EXPECT_EQ(status(), "Indexed Files: 2");
        EXPECT_TRUE(IsWindowVisible(item(TForm3::StatusBar1)));
        EXPECT_TRUE(IsWindowVisible(item(TForm3::Label3)));
    };
    click(TForm3::Button5);
    expectRunning();
    EXPECT_EQ(status(), "Indexed Files: 0");
    ASSERT_TRUE(pumpUntil([&] { return doneBoxShown(); }));
    EXPECT_EQ(boxes.boxes[0].caption, "Information");
    EXPECT_EQ(boxes.boxes[0].text, "Your new music library has been built.\r\n\r\n2 music files found.");
    EXPECT_EQ(test::paths(test::readIndexFile(index)),
              (std::vector<std::string>{music.root() + "a.mp3", music.root() + "Sub\\b.ogg"}));
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));

    // One press starts the next run, which indexes each file once again.
    boxes.onShow = nullptr;
    boxes.boxes.clear();
    runToCompletion();
    EXPECT_EQ(test::readIndexFile(index).size(), 2u);
}

TEST_F(RebuildDialogTest, ADriveTypedWithoutBackslashSearchesItsRoot) {
    const std::string pattern = "*.plkd" + std::to_string(GetCurrentProcessId());
    const std::string file = "C:\\plk-drive-test" + pattern.substr(1);
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    searchIn("C:");
    searchFor(pattern);
    runToCompletion();
    DeleteFileA(file.c_str());
    EXPECT_EQ(test::paths(test::readIndexFile(index)), std::vector<std::string>{file});
}

TEST_F(RebuildDialogTest, AMusicFolderNamedInCyrillicIsSearchedByItsShortForm) {
    // "Dmitriy\Muzyka", typed, pasted or picked: the box keeps every letter.
    const std::wstring named = L"\u0414\u043c\u0438\u0442\u0440\u0438\u0439\\\u041c\u0443\u0437\u044b\u043a\u0430";
    if (exactAnsiText(named)) GTEST_SKIP() << "this system's code page spells the name";
    music.wideFile(named + L"\\song.mp3");
    music.wideFile(named + L"\\\u0410\u043b\u044c\u0431\u043e\u043c\\\u043f\u0435\u0441\u043d\u044f.mp3");
    ASSERT_TRUE(IsWindowUnicode(item(TForm3::Edit1)));
    setControlText(item(TForm3::Edit1), wideFromCodePage(music.root()) + named);
    EXPECT_EQ(wideControlText(item(TForm3::Edit1)), wideFromCodePage(music.root()) + named);
    searchFor("*.mp3");
    runToCompletion();
    EXPECT_EQ(boxes.boxes[0].caption, "Information");
    const std::vector<std::string> paths = test::paths(test::readIndexFile(index));
    ASSERT_EQ(paths.size(), 2u);
    for (const std::string& path : paths) {
        EXPECT_EQ(path.find('?'), std::string::npos) << path;
        EXPECT_TRUE(fileExists(path)) << path;
    }
}

TEST_F(RebuildDialogTest, AnEmptyPatternListCompletesWithNothingFound) {
    music.file("a.mp3");
    searchIn(music.root());
    for (int i = 0; i < 4; ++i) {
        SendMessageA(item(TForm3::ListBox1), LB_SETCURSEL, 0, 0);
        SendMessageA(dialog->hwnd(), WM_COMMAND, MAKEWPARAM(TForm3::ListBox1, LBN_SELCHANGE), 0);
        click(TForm3::Button3);
    }
    runToCompletion();
    EXPECT_EQ(text(TForm3::Label3), "Done.");
    EXPECT_EQ(boxes.boxes[0].text, "Your new music library has been built.\r\n\r\n0 music files found.");
    EXPECT_TRUE(test::readIndexFile(index).empty());
}

TEST_F(RebuildDialogTest, ARunThatFillsTheIndexLoadsItAndSaysWhy) {
    std::size_t loaded = 0;
    dialog.reset();
    dialog = std::make_unique<TForm3>(
        [&] {
            TLibrary library;
            loadIndex(index, library, 2);
            loaded = library.size();
        },
        2);
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) music.file(name);
    searchIn(music.root());
    runToCompletion();
    EXPECT_EQ(loaded, 2u);
    EXPECT_EQ(text(TForm3::Label3), "Done.");
    EXPECT_EQ(boxes.boxes[0].caption, "Warning");
    EXPECT_EQ(boxes.boxes[0].text,
              "Your new music library is full: it holds 2 music files, the most Plinkety can load, so the search "
              "stopped there.\r\n\r\nMusic files the search had not reached yet are left out. Rebuild your "
              "music library from a smaller folder to choose which files it holds.");
}

TEST_F(RebuildDialogTest, StopInALargeFolderCountsEveryRecordItStillWrites) {
    for (int i = 0; i < 400; ++i) music.file("Big\\" + std::to_string(i) + ".mp3");
    music.file("Big\\Sub\\never.mp3");
    searchIn(music.root() + "Big");
    click(TForm3::Button5);
    ASSERT_TRUE(pumpUntil([&] { return statusCount() >= 5; }));
    click(TForm3::Button5);
    EXPECT_EQ(text(TForm3::Label3), "Stopped.");
    expectIdle();
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));
    EXPECT_EQ(text(TForm3::Label3), "Stopped.");
    const auto entries = test::readIndexFile(index);
    EXPECT_EQ(static_cast<int>(entries.size()), statusCount());
    EXPECT_EQ(entries.size(), 400u);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(RebuildDialogTest, AStopJustBeforeAFolderStepOrTheCompletionStaysAStop) {
    music.file("a.mp3");
    music.file("Sub\\b.mp3");
    searchIn(music.root());
    // Stop comes after the worker looked for it, before its step runs: at the
    // second folder's entry, and at the end of the walk.
    for (const auto& [step, occurrence] : {std::pair{SearchStep::kShowFolder, 2}, std::pair{SearchStep::kSearchDone, 1}}) {
        SCOPED_TRACE(occurrence == 2 ? "folder entry" : "completion");
        StepHold hold(step, occurrence);
        click(TForm3::Button5);
        ASSERT_TRUE(pumpUntil([&] { return hold.reached(); }));
        click(TForm3::Button5);
        hold.release();
        ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));
        EXPECT_EQ(text(TForm3::Label3), "Stopped.");
        expectIdle();
        EXPECT_TRUE(boxes.boxes.empty());
    }
}

TEST_F(RebuildDialogTest, RapidStopAndStartLeaveNoStrayRecords) {
    for (int i = 0; i < 300; ++i) music.file("Big\\" + std::to_string(i) + ".mp3");
    music.file("Big\\Sub\\last.mp3");
    searchIn(music.root());
    for (int round = 0; round < 100; ++round) {
        click(TForm3::Button5);  // Start
        if (round % 2) pumpUntil([&] { return statusCount() >= 2; }, 2000);
        click(TForm3::Button5);  // Stop: the worker goes on with its folder
    }
    runToCompletion();
    const auto entries = test::readIndexFile(index);
    ASSERT_EQ(entries.size(), 301u);
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].number, static_cast<int>(i + 1));
    EXPECT_EQ(entries.back().path, music.root() + "Big\\Sub\\last.mp3");
    EXPECT_EQ(boxes.boxes.size(), 1u);
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));
    EXPECT_EQ(test::readIndexFile(index).size(), 301u);
}

TEST_F(RebuildDialogTest, PauseHoldsTheRunAndResumeFinishesIt) {
    for (int i = 0; i < 200; ++i) music.file(std::to_string(i) + ".mp3");
    searchIn(music.root());
    click(TForm3::Button5);
    ASSERT_TRUE(pumpUntil([&] { return statusCount() >= 3; }));
    click(TForm3::Button4);
    EXPECT_EQ(text(TForm3::Button4), "R&esume");
    expectRunning();
    test::pumpFor(100);  // a step already handed over may still land
    const int held = statusCount();
    test::pumpFor(400);
    EXPECT_EQ(statusCount(), held);
    EXPECT_EQ(static_cast<int>(test::readIndexFile(index).size()), held);
    EXPECT_LT(held, 200);
    click(TForm3::Button4);
    EXPECT_EQ(text(TForm3::Button4), "&Pause");
    ASSERT_TRUE(pumpUntil([&] { return doneBoxShown(); }));
    EXPECT_EQ(test::readIndexFile(index).size(), 200u);
}

TEST_F(RebuildDialogTest, StopWhilePausedEndsTheRunAndResetsPause) {
    for (int i = 0; i < 200; ++i) music.file(std::to_string(i) + ".mp3");
    music.file("Sub\\never.mp3");
    searchIn(music.root());
    click(TForm3::Button5);
    ASSERT_TRUE(pumpUntil([&] { return statusCount() >= 3; }));
    click(TForm3::Button4);
    click(TForm3::Button5);
    expectIdle();  // Pause disabled and reading "&Pause" again
    EXPECT_EQ(text(TForm3::Label3), "Stopped.");
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));
    EXPECT_EQ(static_cast<int>(test::readIndexFile(index).size()), statusCount());
    EXPECT_EQ(statusCount(), 200);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(RebuildDialogTest, CompletionAndEveryClosingReloadTheMainWindowsLibrary) {
    TForm1 form1;
    dialog.reset();
    dialog = std::make_unique<TForm3>([&form1] { form1.ReadIndex(); });
    EXPECT_TRUE(form1.NoLibrary);  // no index yet

    // Completion reloads before the box tells the count.
    music.file("a.mp3");
    searchIn(music.root());
    std::size_t atBox = 0;
    boxes.onShow = [&](const test::ShownBox&) { atBox = form1.Library.size(); };
    runToCompletion();
    EXPECT_EQ(atBox, 1u);
    EXPECT_FALSE(form1.NoLibrary);
    boxes.onShow = nullptr;
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));

    // A stopped run is not loaded until the dialog closes.
    for (int i = 0; i < 300; ++i) music.file("Big\\" + std::to_string(i) + ".mp3");
    click(TForm3::Button5);
    ASSERT_TRUE(pumpUntil([&] { return statusCount() >= 5; }));
    click(TForm3::Button5);
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));
    EXPECT_EQ(form1.Library.size(), 1u);
    dialog->showDialog();
    click(TForm3::Button6);
    EXPECT_FALSE(dialog->visible());
    EXPECT_EQ(static_cast<int>(form1.Library.size()), statusCount());

    // Closing without a run reloads too.
    DeleteFileA(index.c_str());
    dialog->showDialog();
    click(TForm3::Button6);
    EXPECT_TRUE(form1.NoLibrary);
}

TEST_F(RebuildDialogTest, CannotBeClosedDuringARun) {
    for (int i = 0; i < 200; ++i) music.file(std::to_string(i) + ".mp3");
    searchIn(music.root());
    dialog->showDialog();
    click(TForm3::Button5);
    SendMessageA(dialog->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(dialog->visible());
    click(TForm3::Button5);  // Stop
    SendMessageA(dialog->hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(dialog->visible());
}

TEST_F(RebuildDialogTest, AnIndexThatCannotBeEmptiedLeavesTheDialogIdle) {
    music.file("a.mp3");
    // A folder where the index should be: it cannot be created as a file.
    ASSERT_TRUE(CreateDirectoryA(index.c_str(), nullptr));
    searchIn(music.root());
    click(TForm3::Button5);
    RemoveDirectoryA(index.c_str());
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Plinkety");
    EXPECT_TRUE(boxes.boxes[0].flags & MB_ICONERROR);
    expectIdle();
    EXPECT_FALSE(dialog->searching());
}

TEST_F(RebuildDialogTest, AStartThatCannotEmptyTheIndexLetsTheStoppedRunFinishItsFolder) {
    for (int i = 0; i < 50; ++i) music.file("Big\\" + std::to_string(i) + ".mp3");
    searchIn(music.root() + "Big");
    StepHold hold(SearchStep::kWriteRecord, 5);
    click(TForm3::Button5);
    ASSERT_TRUE(pumpUntil([&] { return hold.reached(); }));
    click(TForm3::Button5);  // Stop: the worker has its folder to finish
    {
        // Another program has the index mapped: it cannot be truncated.
        const KernelHandle file(CreateFileA(index.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
        const KernelHandle mapping(CreateFileMappingA(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
        ASSERT_TRUE(mapping);
        click(TForm3::Button5);
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.boxes[0].flags & MB_ICONERROR);
    hold.release();
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));
    expectIdle();
    EXPECT_EQ(text(TForm3::Label3), "Stopped.");
    EXPECT_EQ(test::readIndexFile(index).size(), 50u);
    EXPECT_EQ(statusCount(), 50);
}

TEST_F(RebuildDialogTest, EndingTheProgramDuringARunLeavesWholeRecords) {
    for (int i = 0; i < 400; ++i) music.file(std::to_string(i) + ".mp3");
    searchIn(music.root());
    click(TForm3::Button5);
    ASSERT_TRUE(pumpUntil([&] { return statusCount() >= 10; }));
    click(TForm3::Button4);  // paused, too: the end must not wait for a Resume
    dialog.reset();
    const auto entries = test::readIndexFile(index);
    ASSERT_GE(entries.size(), 10u);
    EXPECT_LT(entries.size(), 400u);
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].number, static_cast<int>(i + 1));
}

std::string fileBytes(const std::string& path) {
    std::string bytes;
    const KernelHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    char chunk[4096];
    DWORD got = 0;
    while (file && ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    return bytes;
}

// An index of an earlier run: whole records and a trailing fragment.
std::string writeEarlierIndex(const std::string& index) {
    const std::string bytes = std::string(260, 'r') + "frag";
    const KernelHandle file(CreateFileA(index.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD put = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    return bytes;
}

TEST_F(RebuildDialogTest, ATreeLostDuringARunLeavesTheEarlierIndexAndSaysSo) {
    // The whole tree goes, as with a drive pulled out: the folder being
    // searched and the one above it both fail to list. (A drive letter of
    // its own is taken away in the end-to-end test.)
    const std::string before = writeEarlierIndex(index);
    const std::string top = music.root() + "Top\\";
    for (int i = 0; i < 3; ++i) music.file("Top\\Album " + std::to_string(i) + "\\song.mp3");
    const std::string moved = music.root() + "Moved";
    searchIn(top);
    {
        StepHold hold(SearchStep::kWriteRecord, 2);
        click(TForm3::Button5);
        ASSERT_TRUE(pumpUntil([&] { return hold.reached(); }));
        ASSERT_TRUE(MoveFileA(top.substr(0, top.size() - 1).c_str(), moved.c_str()));
    }
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));
    expectIdle();
    EXPECT_EQ(text(TForm3::Label3), "Stopped.");
    EXPECT_EQ(fileBytes(index), before);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.boxes[0].flags & MB_ICONERROR);
    EXPECT_NE(boxes.boxes[0].text.find(top + "Album "), std::string::npos) << boxes.boxes[0].text;
    EXPECT_NE(boxes.boxes[0].text.find("Your music library was left as it was."), std::string::npos);
}

TEST_F(RebuildDialogTest, TheEndOfTheSessionDuringARunPutsTheEarlierIndexBack) {
    const std::string before = writeEarlierIndex(index);
    for (int i = 0; i < 50; ++i) music.file(std::to_string(i) + ".mp3");
    searchIn(music.root());
    StepHold hold(SearchStep::kWriteRecord, 5);
    click(TForm3::Button5);
    ASSERT_TRUE(pumpUntil([&] { return hold.reached(); }));
    EXPECT_EQ(SendMessageA(dialog->hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF), 0);
    EXPECT_EQ(fileBytes(index), before);
    hold.release();
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));
    // The abandoned worker wrote nothing more.
    EXPECT_EQ(fileBytes(index), before);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(RebuildDialogTest, ASecondCopysStartIsRefusedWhileTheIndexIsRebuilt) {
    for (int i = 0; i < 50; ++i) music.file(std::to_string(i) + ".mp3");
    searchIn(music.root());
    TForm3 other;  // another copy of the program, beside the same index
    setControlText(GetDlgItem(other.hwnd(), TForm3::Edit1), music.root());
    {
        StepHold hold(SearchStep::kWriteRecord, 5);
        click(TForm3::Button5);
        ASSERT_TRUE(pumpUntil([&] { return hold.reached(); }));
        SendMessageA(GetDlgItem(other.hwnd(), TForm3::Button5), BM_CLICK, 0, 0);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].caption, "Warning");
        EXPECT_NE(boxes.boxes[0].text.find("another copy of Plinkety is rebuilding the library"), std::string::npos);
        EXPECT_EQ(controlText(GetDlgItem(other.hwnd(), TForm3::Button5)), "&Start");
    }
    ASSERT_TRUE(pumpUntil([&] { return boxes.boxes.size() == 2; }));
    EXPECT_EQ(test::readIndexFile(index).size(), 50u);
    // Once the run is over, the other copy may rebuild.
    ASSERT_TRUE(pumpUntil([&] { return !dialog->searching(); }));
    SendMessageA(GetDlgItem(other.hwnd(), TForm3::Button5), BM_CLICK, 0, 0);
    ASSERT_TRUE(pumpUntil([&] { return boxes.boxes.size() == 3; }));
    EXPECT_EQ(boxes.boxes[2].caption, "Information");
}

TEST_F(RebuildDialogTest, AQuotedOrRelativeFolderBuildsAbsoluteRecords) {
    music.file("Album\\song.mp3");
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    SetCurrentDirectoryA(music.root().c_str());
    for (const std::string& typed : {"  \"" + music.root() + "Album\"\r\n", std::string("Album"), std::string(".\\Album\\")}) {
        boxes.boxes.clear();
        searchIn(typed);
        runToCompletion();
        EXPECT_EQ(test::paths(test::readIndexFile(index)), std::vector<std::string>{music.root() + "Album\\song.mp3"})
            << typed;
    }
    SetCurrentDirectoryA(current);
}

TEST_F(RebuildDialogTest, APatternTheCodePageCannotSpellIsRefused) {
    const std::wstring pattern = L"*\u0416.mp3";
    if (exactAnsiText(pattern)) GTEST_SKIP() << "this system's code page spells the pattern";
    const LRESULT before = SendMessageA(item(TForm3::ListBox1), LB_GETCOUNT, 0, 0);
    setControlText(item(TForm3::Edit2), pattern);
    click(TForm3::Button2);
    EXPECT_EQ(SendMessageA(item(TForm3::ListBox1), LB_GETCOUNT, 0, 0), before);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Warning");
}

}  // namespace
}  // namespace plk
