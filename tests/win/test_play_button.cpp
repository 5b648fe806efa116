// The Play button window in-process: start-up going on after an error,
// random play and play again reaching the shell, observed through the
// recorder registered as the player of a test file type, and the hotkey
// message.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>

#include "app/Hotkeys.h"
#include "app/PlayButton.h"
#include "library/IndexFile.h"
#include "tests/win/TestSupport.h"
#include "win32/Application.h"

namespace plk {
namespace {

const char kSongType[] = "plinkety.apptest";

std::string WindowsPath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}

BYTE Alpha(HWND window) {
    BYTE alpha = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
    return alpha;
}

void SetDefault(const std::string& key, const std::string& value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, ("Software\\Classes\\" + key).c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}

// Files beside the test program (where the window looks for them), a song
// type whose player is the recorder, and the recorder's log.
class PlayButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = Application::ExeFolder();
        Remove();
        // Mode 0: the window leaves the Run values alone.
        std::ofstream(folder_ + "settings.ini") << "[General]\r\nautostart=0\r\n";
        SetDefault(".plktest", kSongType);
        SetDefault(std::string(kSongType) + "\\shell\\open\\command",
                   "\"" + WindowsPath(PLINKETY_RECORDER_EXE) + "\" \"%1\"");
        log_ = tree_.root() + "opened.log";
        SetEnvironmentVariableA("PLINKETY_RECORDER_LOG", log_.c_str());
    }
    void TearDown() override {
        Remove();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Classes\\.plktest");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string("Software\\Classes\\") + kSongType).c_str());
    }
    void Remove() {
        DeleteFileA((folder_ + "settings.ini").c_str());
        DeleteFileA((folder_ + "plkindex.dat").c_str());
    }
    void WriteIndex(const std::vector<std::string>& paths) {
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
    std::vector<std::string> Opened() {
        std::ifstream in(log_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!line.empty()) lines.push_back(line);
        }
        return lines;
    }
    bool WaitOpened(std::size_t count) {
        return test::PumpUntil([&] { return Opened().size() >= count; }, 20000);
    }

    test::TempTree tree_;
    std::string folder_, log_;
};

TEST_F(PlayButtonTest, StartupGoesOnAfterTheIndexCannotBeRead) {
    WriteIndex({"C:\\Music\\one.mp3"});
    // Another program holds the index and lets nobody else open it.
    const HANDLE holder = CreateFileA((folder_ + "plkindex.dat").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    test::MessageBoxRecorder boxes;
    TForm1 form;
    CloseHandle(holder);

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

TEST_F(PlayButtonTest, RandomPlayOpensTheExistingFileAndPlayAgainRepeatsIt) {
    const std::string song = tree_.file("music\\song.plktest");
    WriteIndex({tree_.root() + "music\\gone1.plktest", song, tree_.root() + "music\\gone2.plktest"});
    test::MessageBoxRecorder boxes;
    TForm1 form;
    ASSERT_EQ(form.Library.size(), 3u);

    form.runRandomizedFile();
    ASSERT_TRUE(WaitOpened(1));
    EXPECT_EQ(form.LastSong, song);
    EXPECT_EQ(Opened()[0], song);

    form.playAgain();
    ASSERT_TRUE(WaitOpened(2));
    EXPECT_EQ(Opened()[1], song);

    // Once the file is gone, play again does nothing at all.
    ASSERT_TRUE(DeleteFileA(song.c_str()));
    form.playAgain();
    test::PumpFor(1500);
    EXPECT_EQ(Opened().size(), 2u);
    EXPECT_EQ(form.LastSong, song);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(PlayButtonTest, PlayAgainBeforeAnyRandomPlayDoesNothing) {
    test::MessageBoxRecorder boxes;
    TForm1 form;
    EXPECT_TRUE(form.NoLibrary);
    form.playAgain();
    test::PumpFor(500);
    EXPECT_TRUE(Opened().empty());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(PlayButtonTest, AllFilesGoneEndsWithAdviceAndNoSong) {
    WriteIndex({"C:\\nowhere\\a.plktest", "C:\\nowhere\\b.plktest"});
    test::MessageBoxRecorder boxes;
    TForm1 form;
    form.runRandomizedFile();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, "Information");
    EXPECT_EQ(boxes.boxes[0].text.rfind("None of 1000 songs picked from your music library could be found.", 0), 0u);
    EXPECT_TRUE(form.LastSong.empty());
}

TEST_F(PlayButtonTest, HotkeysLightTheButtonPlayAndHandTheFocusBack) {
    const std::string song = tree_.file("music\\song.plktest");
    WriteIndex({song});
    test::MessageBoxRecorder boxes;
    TForm1 form;
    int flashes = 0;
    form.flashPlayAgain = [&] { ++flashes; };
    // The window the user is working in.
    const HWND other = CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 10, 10, 60, 60, nullptr,
                                       nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(test::PumpUntil([&] { return form.previousForeground == other; }));

    SendMessageA(form.hwnd(), WM_HOTKEY, 3, 0);  // not one of ours
    EXPECT_EQ(Alpha(form.hwnd()), 125);

    // Play again with nothing to replay: it lights and flashes only.
    SendMessageA(form.hwnd(), WM_HOTKEY, kPlayAgainHotkeyId, 0);
    EXPECT_EQ(Alpha(form.hwnd()), 235);
    EXPECT_EQ(flashes, 1);
    // The program in front before the hand-back (as when it is brought
    // forward) is not taken for the window the user was in.
    SetForegroundWindow(form.hwnd());
    ASSERT_EQ(GetForegroundWindow(), form.hwnd());
    form.Timer4Timer();
    ASSERT_TRUE(test::PumpUntil([&] { return Alpha(form.hwnd()) == 125; }));
    EXPECT_EQ(GetForegroundWindow(), other);
    EXPECT_TRUE(Opened().empty());

    SendMessageA(form.hwnd(), WM_HOTKEY, kPlayHotkeyId, 0);
    ASSERT_TRUE(WaitOpened(1));
    SendMessageA(form.hwnd(), WM_HOTKEY, kPlayAgainHotkeyId, 0);
    ASSERT_TRUE(WaitOpened(2));
    EXPECT_EQ(Opened(), (std::vector<std::string>{song, song}));
    EXPECT_EQ(flashes, 2);
    EXPECT_TRUE(boxes.boxes.empty());
    DestroyWindow(other);
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
