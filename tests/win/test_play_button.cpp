// The Play button window in-process: start-up going on after an error,
// random play and play again reaching the shell, observed through the
// recorder registered as the player of a test file type; the button's look
// and feel with the two windows it drives; and the hotkey message.
#include <gtest/gtest.h>

#include <windows.h>

#include <imm.h>

#include <fstream>
#include <string>

#include "app/DefaultPositionWin32.h"
#include "app/Hotkeys.h"
#include "app/PlayButton.h"
#include "app/PlayButtonMenu.h"
#include "app/Settings.h"
#include "face/PlayAgainButton.h"
#include "face/SongTagPopup.h"
#include "gui/Application.h"
#include "library/IndexFile.h"
#include "platform/File.h"
#include "system/Handles.h"
#include "system/ShellOpen.h"
#include "tests/support/SongFiles.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

const char kSongType[] = "plinkety.apptest";

std::string windowsPath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}

BYTE alpha(HWND window) {
    BYTE alpha = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
    return alpha;
}

void setDefault(const std::string& key, const std::string& value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, ("Software\\Classes\\" + key).c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}

// Files beside the test program (where the window looks for them), a song
// type whose player is the recorder, and the recorder's log.
class PlayButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = Application::exeFolder();
        remove();
        // Mode 0: the window leaves the Run values alone.
        std::ofstream(folder_ + "settings.ini") << "[General]\r\nautostart=0\r\n";
        setDefault(".plktest", kSongType);
        setDefault(std::string(kSongType) + "\\shell\\open\\command",
                   "\"" + windowsPath(PLINKETY_RECORDER_EXE) + "\" \"%1\"");
        log_ = tree_.root() + "opened.log";
        SetEnvironmentVariableA("PLINKETY_RECORDER_LOG", log_.c_str());
    }
    void TearDown() override {
        remove();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Classes\\.plktest");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string("Software\\Classes\\") + kSongType).c_str());
    }
    void remove() {
        DeleteFileA((folder_ + "settings.ini").c_str());
        DeleteFileA((folder_ + "plkindex.dat").c_str());
    }
    void writeIndex(const std::vector<std::string>& paths) {
        IndexWriter::createEmpty(folder_ + "plkindex.dat");
        IndexWriter writer;
        writer.open(folder_ + "plkindex.dat");
        TLibraryRecord record{};
        for (const std::string& path : paths) {
            record.setPath(path);
            writer.append(record);
        }
        writer.close();
    }
    std::vector<std::string> opened() {
        std::ifstream in(log_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) lines.push_back(line);
        }
        return lines;
    }
    bool waitOpened(std::size_t count) {
        return test::pumpUntil([&] { return opened().size() >= count; }, 20000);
    }

    test::TempTree tree_;
    std::string folder_, log_;
};

TEST_F(PlayButtonTest, StartupGoesOnAfterTheIndexCannotBeRead) {
    writeIndex({"C:\\Music\\one.mp3"});
    // Another program holds the index and lets nobody else open it.
    FileHandle holder(CreateFileA((folder_ + "plkindex.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    test::MessageBoxRecorder boxes;
    TForm1 form;
    holder.reset();

    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Plinkety");
    EXPECT_TRUE(boxes.boxes[0].flags & MB_ICONERROR);
    EXPECT_EQ(boxes.boxes[0].text.back(), '.');
    // The steps after the failed load ran: the tag reader exists, the
    // window is shown at its size.
    EXPECT_FALSE(form.NoLibrary);
    EXPECT_TRUE(form.Library.empty());
    EXPECT_NE(form.TagReader, nullptr);
    EXPECT_TRUE(IsWindowVisible(form.hwnd()));
    const RECT rect = form.windowRect();
    EXPECT_EQ(rect.right - rect.left, 37);
    EXPECT_EQ(rect.bottom - rect.top, 37);
}

// The owner window and the Play button, by class, in the order they are
// activated while a hook lives. (Hidden, the owner window hands activation
// on to whatever window of the thread is left.)
std::vector<std::string> g_activated;

LRESULT CALLBACK recordActivation(int code, WPARAM wParam, LPARAM lParam) {
    char name[32] = {};
    if (code == HCBT_ACTIVATE && GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
        (std::string(name) == "PlinketyApplication" || std::string(name) == "TForm1"))
        g_activated.push_back(name);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct Unhook { void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); } };
using HookHandle = UniqueHandle<handle_traits::Basic<HHOOK, nullptr, Unhook>>;

TEST_F(PlayButtonTest, TheOwnerWindowIsActivatedBeforeTheButtonShows) {
    g_activated.clear();
    HookHandle hook(SetWindowsHookExA(WH_CBT, recordActivation, nullptr, GetCurrentThreadId()));
    ASSERT_TRUE(hook);
    TForm1 form;
    hook.reset();
    EXPECT_EQ(g_activated, (std::vector<std::string>{"PlinketyApplication", "TForm1"}));
    // It never takes a keystroke: no input method is set up for it.
    EXPECT_EQ(ImmGetContext(Application::ownerWindow()), nullptr);
}

TEST_F(PlayButtonTest, RandomPlayOpensTheExistingFileAndPlayAgainRepeatsIt) {
    const std::string song = tree_.file("music\\song.plktest");
    writeIndex({tree_.root() + "music\\gone1.plktest", song, tree_.root() + "music\\gone2.plktest"});
    test::MessageBoxRecorder boxes;
    TForm1 form;
    ASSERT_EQ(form.Library.size(), 3u);

    form.runRandomizedFile();
    ASSERT_TRUE(waitOpened(1));
    EXPECT_EQ(form.LastSong, song);
    EXPECT_EQ(opened()[0], song);

    form.playAgain();
    ASSERT_TRUE(waitOpened(2));
    EXPECT_EQ(opened()[1], song);

    // Once the file is gone, play again does nothing at all.
    ASSERT_TRUE(DeleteFileA(song.c_str()));
    form.playAgain();
    test::pumpFor(1500);
    EXPECT_EQ(opened().size(), 2u);
    EXPECT_EQ(form.LastSong, song);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(PlayButtonTest, PlayAgainBeforeAnyRandomPlayDoesNothing) {
    test::MessageBoxRecorder boxes;
    TForm1 form;
    EXPECT_TRUE(form.NoLibrary);
    form.playAgain();
    test::pumpFor(500);
    EXPECT_TRUE(opened().empty());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(PlayButtonTest, AllFilesGoneEndsWithAdviceAndNoSong) {
    writeIndex({"C:\\nowhere\\a.plktest", "C:\\nowhere\\b.plktest"});
    test::MessageBoxRecorder boxes;
    TForm1 form;
    form.runRandomizedFile();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Information");
    EXPECT_EQ(boxes.boxes[0].text.rfind("None of 1000 songs picked from your music library could be found.", 0), 0u);
    EXPECT_TRUE(form.LastSong.empty());
}

// Whether the program holds the combination: another window cannot have it.
bool hotkeyHeld(UINT modifiers, UINT key) {
    const HWND probe = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const bool held = !RegisterHotKey(probe, 77, modifiers, key);
    UnregisterHotKey(probe, 77);
    DestroyWindow(probe);
    return held;
}

// Takes the end of the message loop from this thread's queue, when asked for.
bool quitAsked() {
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

const UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;

TEST_F(PlayButtonTest, TheSessionsEndSavesTheMovedPositionOnceAndWithdrawsHotkey1) {
    std::ofstream(folder_ + "settings.ini") << "[General]\r\nautostart=0\r\nhotkey=Ctrl+Alt+F8\r\nposX=100\r\nposY=120\r\n";
    const TSettings settings(folder_ + "settings.ini");
    {
        TForm1 form;
        ASSERT_TRUE(hotkeyHeld(kCtrlAlt, VK_F8));
        EXPECT_EQ(SendMessageA(form.hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
        MoveWindow(form.hwnd(), 140, 160, 37, 37, FALSE);
        // Another program held the end up: the session goes on, and so does the program.
        SendMessageA(form.hwnd(), WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
        EXPECT_FALSE(quitAsked());
        EXPECT_TRUE(hotkeyHeld(kCtrlAlt, VK_F8));
        EXPECT_EQ(settings.readInteger("posX", -1), 100);

        SendMessageA(form.hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        EXPECT_TRUE(quitAsked());
        EXPECT_FALSE(hotkeyHeld(kCtrlAlt, VK_F8));
        EXPECT_EQ(settings.readInteger("posX", -1), 140);
        EXPECT_EQ(settings.readInteger("posY", -1), 160);
        // Saved once: neither a second end nor the windows' end writes a later place.
        MoveWindow(form.hwnd(), 180, 200, 37, 37, FALSE);
        SendMessageA(form.hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        quitAsked();
    }
    EXPECT_EQ(settings.readInteger("posX", -1), 140);
    EXPECT_EQ(settings.readInteger("posY", -1), 160);
}

TEST_F(PlayButtonTest, ACloseSentToTheOwnerWindowClosesTheMainWindow) {
    std::ofstream(folder_ + "settings.ini") << "[General]\r\nautostart=0\r\nhotkey=Ctrl+Alt+F8\r\n";
    TForm1 form;
    ASSERT_TRUE(hotkeyHeld(kCtrlAlt, VK_F8));
    Application::setMainWindow(form.hwnd());
    SendMessageA(Application::ownerWindow(), WM_CLOSE, 0, 0);
    Application::setMainWindow(nullptr);
    EXPECT_TRUE(quitAsked());
    EXPECT_FALSE(hotkeyHeld(kCtrlAlt, VK_F8));
}

// The Play button with the Song Tag popup and the Play Again button wired
// to it, as the program's entry wires them.
struct Face {
    Face()
        : popup({form.hwnd(), [this] { return form.StayOnTop; }, form.Theme, form.InvertLabels}),
          again({form.hwnd(), form.Theme, [this] { form.playAgain(); }}) {
        form.setSongTag(popup);
        form.setPlayAgain(again);
    }
    void menu(UINT item) { SendMessageA(form.hwnd(), WM_COMMAND, item, 0); }

    TForm1 form;
    TForm4 popup;
    TForm6 again;
};

TEST_F(PlayButtonTest, ThemeItemsWriteBothKeysAndRedrawTheThreeWindows) {
    test::MessageBoxRecorder boxes;
    Face face;
    const auto pictures = [&] {
        return std::vector<test::Picture>{test::Picture(face.form.image()), test::Picture(face.popup.image()),
                                          test::Picture(face.again.image())};
    };
    const std::vector<test::Picture> black = pictures();
    const TSettings settings(folder_ + "settings.ini");

    face.menu(Gray1);
    EXPECT_EQ(settings.readInteger("schema", -1), 1);
    EXPECT_TRUE(settings.readBool("clinvert", false));
    const std::vector<test::Picture> gray = pictures();
    for (std::size_t i = 0; i < 3; ++i) EXPECT_FALSE(gray[i] == black[i]) << "window " << i << " redrawn";
    EXPECT_EQ(face.popup.titleLabel().colour(), RGB(0, 0, 0));

    face.menu(Blue1);
    EXPECT_EQ(settings.readInteger("schema", -1), 2);
    EXPECT_FALSE(settings.readBool("clinvert", true));
    EXPECT_EQ(face.popup.artistLabel().colour(), RGB(255, 255, 255));

    // A settings file that cannot be written stops the click before
    // anything is redrawn.
    const std::vector<test::Picture> blue = pictures();
    {
        const KernelHandle holder(
            CreateFileA(settings.path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        face.menu(Orange1);
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Unable to write to " + settings.path() + ".");
    EXPECT_EQ(face.form.Theme, 2);
    EXPECT_TRUE(pictures() == blue);
}

TEST_F(PlayButtonTest, HoverBringsPlayAgainUpAndLeavingSendsItAway) {
    Face face;
    EXPECT_EQ(face.form.hint().text(), "To move Play button, hold control key and left mouse button");
    const HWND button = face.form.hwnd();
    EXPECT_EQ(test::windowAlpha(button), 125);

    // The hotkey one-shot ticks once 50 ms after start and begins a fade-out
    // that would run alongside this fade-in; the pointer comes later. And it
    // really is on the picture, so the system reports no leave.
    test::pumpFor(100);
    const RECT picture = face.form.windowRect();
    SetCursorPos(picture.left + 18, picture.top + 18);
    face.form.CMMouseEnter();
    EXPECT_TRUE(IsWindowVisible(face.again.hwnd()));
    ASSERT_TRUE(test::pumpUntil([&] { return test::windowAlpha(button) == 205; }));
    // Any button held on the picture lights it fully; releasing it goes back.
    SendMessageA(face.form.image(), WM_MBUTTONDOWN, MK_MBUTTON, 0);
    EXPECT_EQ(test::windowAlpha(button), 235);
    SendMessageA(face.form.image(), WM_MBUTTONUP, 0, 0);
    EXPECT_EQ(test::windowAlpha(button), 205);

    // Away from both buttons: the Play button fades to rest, Play Again goes.
    const RECT place = face.form.windowRect();
    SetCursorPos(place.left - 60, place.top + 10);
    face.form.CMMouseLeave();
    ASSERT_TRUE(test::pumpUntil([&] { return !IsWindowVisible(face.again.hwnd()); }));
    ASSERT_TRUE(test::pumpUntil([&] { return test::windowAlpha(button) == 125; }));

    // The hotkey's light: full, then down to rest, the pointer elsewhere.
    face.form.setAlpha(235);
    EXPECT_EQ(test::windowAlpha(button), 235);
    face.form.startFadeOut();
    ASSERT_TRUE(test::pumpUntil([&] { return test::windowAlpha(button) == 125; }));
}

// A monitor unplugged or a resolution lowered can leave the button on no
// monitor: it comes back to the default place, Play Again goes, and the
// place saved before stays in the file. Partly on a monitor, or after
// another change of setting, it stays where it is.
TEST_F(PlayButtonTest, AButtonLeftOnNoMonitorComesBackWhenTheDisplaysChange) {
    std::ofstream(folder_ + "settings.ini") << "[General]\r\nautostart=0\r\nposX=100\r\nposY=120\r\n";
    Face face;
    const ScreenPoint home = defaultButtonPosition();
    struct Case {
        UINT message;
        WPARAM wParam;
        int x, y;
        bool comesBack;
    };
    const Case cases[] = {
        {WM_DISPLAYCHANGE, 32, -5000, 100, true},
        {WM_SETTINGCHANGE, SPI_SETWORKAREA, 100, 5000, true},
        {WM_DISPLAYCHANGE, 32, -27, 100, false},  // 10 columns on the screen
        {WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER, -5000, 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        MoveWindow(face.form.hwnd(), c.x, c.y, 37, 37, FALSE);
        face.again.appear();
        SendMessageA(face.form.hwnd(), c.message, c.wParam, 0);
        EXPECT_EQ(face.form.windowRect().left, c.comesBack ? home.x : c.x);
        EXPECT_EQ(face.form.windowRect().top, c.comesBack ? home.y : c.y);
        EXPECT_EQ(IsWindowVisible(face.again.hwnd()) == FALSE, c.comesBack);
        face.again.hideAtOnce();
    }
    MoveWindow(face.form.hwnd(), home.x, home.y, 37, 37, FALSE);
    face.form.endRun();
    EXPECT_EQ(TSettings(folder_ + "settings.ini").readInteger("posX", -1), 100);
}

TEST_F(PlayButtonTest, TheSongTagShowsBeforeTheShellIsAsked) {
    const std::string song = tree_.file("music\\tagged.mp3", test::song(test::id3v2Tag("Title", "Artist"), 300));
    writeIndex({song});
    Face face;
    std::vector<std::string> asked;
    replaceShellOpenForTesting([&](const std::string& path) {
        asked.push_back(path);
        EXPECT_TRUE(IsWindowVisible(face.popup.hwnd()));
        EXPECT_EQ(face.popup.titleLabel().text(), L"Title");
        EXPECT_EQ(face.popup.artistLabel().text(), L"Artist");
    });
    struct Restore {
        ~Restore() { replaceShellOpenForTesting(nullptr); }
    } restore;

    face.form.runRandomizedFile();
    EXPECT_EQ(asked, std::vector<std::string>{song});
    const RECT button = face.form.windowRect();
    EXPECT_EQ(face.popup.windowRect().left, button.left - 153);
    EXPECT_EQ(face.popup.windowRect().top, button.top);

    // A song that another program holds exclusively is not opened; the
    // error box says why.
    test::MessageBoxRecorder boxes;
    const KernelHandle holder(CreateFileA(song.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    SendMessageA(face.form.image(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(face.form.image(), WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(asked.size(), 1u);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_TRUE(boxes.boxes[0].flags & MB_ICONERROR);
    EXPECT_EQ(face.form.LastSong, song);
}

TEST_F(PlayButtonTest, AClickIsAPressAndAReleaseOnThePicture) {
    writeIndex({tree_.file("music\\song.plktest")});
    TForm1 form;
    int asked = 0;
    replaceShellOpenForTesting([&](const std::string&) { ++asked; });
    struct Restore {
        ~Restore() { replaceShellOpenForTesting(nullptr); }
    } restore;
    const auto click = [&](int x, int y) {
        SendMessageA(form.image(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(form.image(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };

    // The picture is 35 x 35; the mouse, captured at the press, reports the
    // release wherever it is.
    for (const POINT off : {POINT{-1, 17}, POINT{35, 17}, POINT{17, -1}, POINT{17, 35}, POINT{-200, 300}})
        click(off.x, off.y);
    EXPECT_EQ(asked, 0);
    click(34, 34);
    EXPECT_EQ(asked, 1);
}

TEST_F(PlayButtonTest, HotkeysLightTheButtonPlayAndHandTheFocusBack) {
    const std::string song = tree_.file("music\\song.plktest");
    writeIndex({song});
    test::MessageBoxRecorder boxes;
    Face face;
    TForm1& form = face.form;
    // The window the user is working in.
    const HWND other = CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 10, 10, 60, 60, nullptr,
                                       nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(test::pumpUntil([&] { return form.previousForeground == other; }));

    SendMessageA(form.hwnd(), WM_HOTKEY, 3, 0);  // not one of ours
    EXPECT_EQ(alpha(form.hwnd()), 125);

    // Play again with nothing to replay: it lights and flashes only.
    SendMessageA(form.hwnd(), WM_HOTKEY, kPlayAgainHotkeyId, 0);
    EXPECT_EQ(alpha(form.hwnd()), 235);
    EXPECT_TRUE(IsWindowVisible(face.again.hwnd())) << "Play Again flashes";
    // The program in front before the hand-back (as when it is brought
    // forward) is not taken for the window the user was in.
    SetForegroundWindow(form.hwnd());
    ASSERT_EQ(GetForegroundWindow(), form.hwnd());
    form.Timer4Timer();
    ASSERT_TRUE(test::pumpUntil([&] { return alpha(form.hwnd()) == 125; }));
    EXPECT_EQ(GetForegroundWindow(), other);
    EXPECT_TRUE(opened().empty());

    SendMessageA(form.hwnd(), WM_HOTKEY, kPlayHotkeyId, 0);
    ASSERT_TRUE(waitOpened(1));
    SendMessageA(form.hwnd(), WM_HOTKEY, kPlayAgainHotkeyId, 0);
    ASSERT_TRUE(waitOpened(2));
    EXPECT_EQ(opened(), (std::vector<std::string>{song, song}));
    EXPECT_TRUE(boxes.boxes.empty());
    DestroyWindow(other);
}

TEST_F(PlayButtonTest, APointerRestingWhereTheButtonAppearsBrightensItForGood) {
    Face face;
    const RECT picture = face.form.windowRect();
    SetCursorPos(picture.left + 18, picture.top + 18);
    face.form.CMMouseEnter();  // before the start-up tick of the hotkey one-shot
    ASSERT_TRUE(test::pumpUntil([&] { return test::windowAlpha(face.form.hwnd()) == 205; }));
    test::pumpFor(150);
    EXPECT_EQ(test::windowAlpha(face.form.hwnd()), 205);
}

TEST_F(PlayButtonTest, TheFocusGoesBackPastAnOpenDialogButNotPastTheHotkeysOwnBox) {
    test::MessageBoxRecorder boxes;
    Face face;  // no index: the play hotkey asks whether to build the library
    TForm1& form = face.form;
    const auto window = [](const char* className, const char* title) {
        return CreateWindowExA(0, className, title, WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
    };
    const HWND other = window("STATIC", "elsewhere");
    const HWND dialog = window("STATIC", "About");  // one of the program's, merely open
    SetForegroundWindow(other);
    ASSERT_TRUE(test::pumpUntil([&] { return form.previousForeground == other; }));
    const auto fadedOut = [&] { return test::pumpUntil([&] { return alpha(form.hwnd()) == 125; }); };

    // The program brought forward puts the open dialog in front; it does not
    // keep the keyboard.
    SendMessageA(form.hwnd(), WM_HOTKEY, kPlayAgainHotkeyId, 0);
    SetForegroundWindow(dialog);
    ASSERT_TRUE(fadedOut());
    EXPECT_EQ(GetForegroundWindow(), other);

    // The hotkey's own box keeps it; pressed again while the box is up, the
    // hotkey brings the box back rather than a second one.
    HWND box = nullptr, afterHandBack = nullptr, afterAgain = nullptr;
    boxes.onShow = [&](const test::ShownBox&) {
        if (box) return;
        box = window("#32770", "Information");
        ASSERT_TRUE(box);
        SetForegroundWindow(box);
        fadedOut();
        afterHandBack = GetForegroundWindow();
        SetForegroundWindow(other);
        SendMessageA(form.hwnd(), WM_HOTKEY, kPlayHotkeyId, 0);
        afterAgain = GetForegroundWindow();
        DestroyWindow(box);
    };
    SendMessageA(form.hwnd(), WM_HOTKEY, kPlayHotkeyId, 0);
    EXPECT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(afterHandBack, box);
    EXPECT_EQ(afterAgain, box);
    DestroyWindow(dialog);
    DestroyWindow(other);
}

TEST_F(PlayButtonTest, TheRunEndsWithHotkeysWithdrawnPositionSavedAndWindowsHiddenAndLetGo) {
    std::ofstream(folder_ + "settings.ini")
        << "[General]\r\nautostart=0\r\nhotkey=Ctrl+Alt+F8\r\nhotkeypa=Ctrl+Alt+F7\r\nposX=100\r\nposY=120\r\n";
    Face face;
    ASSERT_TRUE(hotkeyHeld(kCtrlAlt, VK_F7));
    MoveWindow(face.form.hwnd(), 140, 160, 37, 37, FALSE);
    face.form.endRun();
    EXPECT_FALSE(hotkeyHeld(kCtrlAlt, VK_F8));
    EXPECT_FALSE(hotkeyHeld(kCtrlAlt, VK_F7));
    EXPECT_EQ(TSettings(folder_ + "settings.ini").readInteger("posX", -1), 140);
    EXPECT_FALSE(IsWindowVisible(face.form.hwnd()));
    // The Play Again button, destroyed first, is no longer reached.
    face.form.CMMouseEnter();
    EXPECT_FALSE(IsWindowVisible(face.again.hwnd()));
}

TEST_F(PlayButtonTest, StartsInTheTopmostBandWhereTheSettingsSaySoAndAtItsPlace) {
    // The band is taken in the same request that sizes and places the button.
    const std::pair<const char*, bool> cases[] = {{"", true}, {"stayontop=1\r\n", true}, {"stayontop=0\r\n", false}};
    for (const auto& [line, topmost] : cases) {
        SCOPED_TRACE(line);
        std::ofstream(folder_ + "settings.ini") << "[General]\r\nautostart=0\r\nposX=120\r\nposY=90\r\n" << line;
        TForm1 form;
        EXPECT_EQ((GetWindowLongA(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, topmost);
        const RECT placed = form.windowRect();
        EXPECT_EQ(placed.left, 120);
        EXPECT_EQ(placed.top, 90);
        EXPECT_EQ(placed.right - placed.left, 37);
    }
}

TEST_F(PlayButtonTest, HotkeyPutsAButtonThatIsNotOnTopIntoTheTopmostBand) {
    std::ofstream(folder_ + "settings.ini") << "[General]\r\nautostart=0\r\nstayontop=0\r\n";
    TForm1 form;
    EXPECT_FALSE(GetWindowLongA(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageA(form.hwnd(), WM_HOTKEY, kPlayAgainHotkeyId, 0);
    EXPECT_TRUE(GetWindowLongA(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace
}  // namespace plk
