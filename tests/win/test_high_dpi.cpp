// The windows at 144 DPI (150 %), as a DPI-aware program sees them. Wine
// reads the display's DPI (LogPixels) when a process starts, so this program
// sets it in the prefix's registry, runs its tests in a child process, and
// puts the old value back; the other test programs of the prefix, which take
// turns with this one, never see it. The program carries the real manifest,
// whose DPI awareness is what lets the child see 144.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>

#include "about/AboutDialog.h"
#include "app/HotkeyDialog.h"
#include "app/PlayButton.h"
#include "face/PlayAgainButton.h"
#include "face/SongTagPopup.h"
#include "face/ThemeStrip.h"
#include "gui/Application.h"
#include "gui/CommonControls.h"
#include "gui/Controls.h"
#include "gui/DeflatedBitmap.h"
#include "gui/MonitorDpi.h"
#include "library/RebuildDialog.h"
#include "resources/resource.h"
#include "system/Handles.h"
#include "tags/Id3v2Tag.h"
#include "tests/support/SongFiles.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

const DWORD kTestDpi = 144;
const char kDesktopKey[] = "Control Panel\\Desktop";
const char kChildFlag[] = "--high-dpi-child";

SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

void expectRect(const RECT& rect, int left, int top, int width, int height) {
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
}

// Sends the window the message Windows sends when its monitor's DPI changes
// (Wine never does: it has one DPI for the whole desktop).
void changeDpi(HWND window, int dpi) {
    RECT suggested{};
    GetWindowRect(window, &suggested);
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

TEST(HighDpi, TheManifestMakesTheProgramSeeTheDisplaysDpi) {
    EXPECT_EQ(systemDpi(), static_cast<int>(kTestDpi));
    EXPECT_EQ(primaryMonitorDpi(), static_cast<int>(kTestDpi));
}

// The common controls load late, by name, so that the manifest's themed
// version 6 from the side-by-side store is what loads, not the system
// folder's version 5. (Wine's version 6 reports 5.81, so the folder tells.)
TEST(HighDpi, TheCommonControlsLoadedLateAreTheManifestsVersion6) {
    ASSERT_TRUE(initCommonControls());
    char path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), path, MAX_PATH), 0u);
    std::string folder(path);
    std::transform(folder.begin(), folder.end(), folder.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    EXPECT_NE(folder.find("\\winsxs\\"), std::string::npos) << path;
}

// The Play button from its settings beside the test program, and the two
// windows it drives.
class FaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = Application::exeFolder();
        std::ofstream(folder_ + "settings.ini") << "[General]\r\nautostart=0\r\nposX=600\r\nposY=400\r\n";
        button_ = std::make_unique<TForm1>();
        popup_ = std::make_unique<TForm4>(TForm4::Links{button_->hwnd(), [] { return true; }, 0, false});
        playAgain_ = std::make_unique<TForm6>(TForm6::Links{button_->hwnd(), 0, {}});
        button_->setSongTag(*popup_);
        button_->setPlayAgain(*playAgain_);
    }
    void TearDown() override {
        playAgain_.reset();
        popup_.reset();
        button_.reset();
        DeleteFileA((folder_ + "settings.ini").c_str());
        DeleteFileA((folder_ + "plkindex.dat").c_str());
    }
    void showSong() { popup_->ShowID3(reader_, tree_.file("song.mp3", test::song({}, 500))); }

    std::string folder_;
    test::TempTree tree_;
    Tid3v2tag reader_;
    std::unique_ptr<TForm1> button_;
    std::unique_ptr<TForm4> popup_;
    std::unique_ptr<TForm6> playAgain_;
};

TEST_F(FaceTest, TheWindowsAreHalfAsLargeAgainAndStillMeet) {
    expectRect(button_->windowRect(), 600, 400, 56, 56);
    showSong();
    // The popup's right edge one pixel left of the button, level with it.
    expectRect(popup_->windowRect(), 600 - 229, 400, 228, 56);
    playAgain_->appear();
    // Play Again's two-pixel bottom frame over the button's top frame.
    expectRect(playAgain_->windowRect(), 600, 400 - 21, 56, 23);
    EXPECT_TRUE(playAgain_->pointerInColumn(POINT{600, 400 - 21}));
}

TEST_F(FaceTest, TheHotkeyDialogScalesToo) {
    TForm5 hotkeys(*button_);
    EXPECT_EQ(clientSize(hotkeys.hwnd()).cx, 326);
    EXPECT_EQ(clientSize(hotkeys.hwnd()).cy, 266);
}

TEST_F(FaceTest, TheButtonShowsThe150PercentArtwork) {
    // The picture as the control paints it, beside the 150 % strip's first
    // (Black) picture: drawn for this scale, not stretched from 100 %.
    const WindowDc screen(nullptr);
    const MemoryDc shown(CreateCompatibleDC(screen.get()));
    const BitmapHandle shownBitmap(CreateCompatibleBitmap(screen.get(), 52, 52));
    const SelectObjectScope selectShown(shown.get(), shownBitmap.get());
    SendMessageA(button_->image(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shown.get()), PRF_CLIENT);
    const BitmapHandle art(loadDeflatedBitmap(Application::instance(), scaledStripResource(IDB_PLAYBUTTON, 150)));
    ASSERT_TRUE(art);
    const MemoryDc drawn(CreateCompatibleDC(screen.get()));
    const SelectObjectScope selectDrawn(drawn.get(), art.get());
    for (const POINT p : {POINT{26, 26}, POINT{3, 45}, POINT{40, 8}, POINT{51, 51}, POINT{22, 30}})
        EXPECT_EQ(GetPixel(shown.get(), p.x, p.y), GetPixel(drawn.get(), p.x, p.y)) << p.x << "," << p.y;
    RECT image{};
    GetWindowRect(button_->image(), &image);
    EXPECT_EQ(image.left - 600, 2) << "the picture lies inside the two-pixel frame";
    EXPECT_EQ(image.right - image.left, 52);
}

TEST_F(FaceTest, AChangeOfDpiResizesTheButtonAndItsCompanionsAtOnce) {
    showSong();
    playAgain_->appear();
    changeDpi(button_->hwnd(), 96);
    expectRect(button_->windowRect(), 600, 400, 37, 37);
    expectRect(popup_->windowRect(), 600 - 153, 400, 152, 37);
    expectRect(playAgain_->windowRect(), 600, 400 - 14, 37, 15);
    changeDpi(button_->hwnd(), 192);
    expectRect(button_->windowRect(), 600, 400, 74, 74);
    expectRect(popup_->windowRect(), 600 - 305, 400, 304, 74);
    expectRect(playAgain_->windowRect(), 600, 400 - 28, 74, 30);
}

// The saved place is measured at the size the button takes there: 37
// pixels left of the screen it would be gone, but at 56 it reaches six
// columns onto it and stays.
TEST(HighDpiButton, ASavedPlaceIsTestedAtTheButtonsScaledSize) {
    const std::string settings = Application::exeFolder() + "settings.ini";
    std::ofstream(settings) << "[General]\r\nautostart=0\r\nposX=-50\r\nposY=400\r\n";
    {
        TForm1 button;
        expectRect(button.windowRect(), -50, 400, 56, 56);
    }
    DeleteFileA(settings.c_str());
}

TEST(HighDpiDialogs, ClientAreasControlsAndFontsScale) {
    TForm2 about;
    const SIZE client = clientSize(about.hwnd());
    EXPECT_EQ(client.cx, 674);
    EXPECT_EQ(client.cy, 387);
    const HWND ok = GetDlgItem(about.hwnd(), TForm2::Button1);
    expectRect(test::childRect(ok), 552, 336, 113, 38);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(ok, WM_GETFONT, 0, 0)), dialogFont(144));
    LOGFONTA font{};
    GetObjectA(dialogFont(144), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -16) << "8 points at 144 DPI";
    expectRect(test::childRect(about.label4().hwnd()), 30, 257, 200, 20);

    TForm3 rebuild;
    EXPECT_EQ(clientSize(rebuild.hwnd()).cx, 518);
    EXPECT_EQ(clientSize(rebuild.hwnd()).cy, 414);
}

TEST(HighDpiDialogs, AChangeOfDpiLaysADialogOutAgain) {
    TForm2 about;
    changeDpi(about.hwnd(), 96);
    EXPECT_EQ(clientSize(about.hwnd()).cx, 449);
    EXPECT_EQ(clientSize(about.hwnd()).cy, 258);
    const HWND ok = GetDlgItem(about.hwnd(), TForm2::Button1);
    expectRect(test::childRect(ok), 368, 224, 75, 25);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(ok, WM_GETFONT, 0, 0)), dialogFont(96));
    expectRect(test::childRect(about.label4().hwnd()), 20, 171, 133, 13);

    TForm3 rebuild;
    changeDpi(rebuild.hwnd(), 96);
    EXPECT_EQ(clientSize(rebuild.hwnd()).cx, 345);
    EXPECT_EQ(clientSize(rebuild.hwnd()).cy, 276);
}

// The display's DPI in the prefix's registry for the life of this object.
class LogPixels {
public:
    explicit LogPixels(DWORD dpi) {
        RegistryKey key = open();
        DWORD size = sizeof old_;
        had_ = key && RegQueryValueExA(key.get(), "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_),
                                       &size) == ERROR_SUCCESS;
        set(key.get(), dpi);
    }
    ~LogPixels() {
        const RegistryKey key = open();
        if (had_) set(key.get(), old_);
        else RegDeleteValueA(key.get(), "LogPixels");
    }
    LogPixels(const LogPixels&) = delete;
    LogPixels& operator=(const LogPixels&) = delete;

private:
    static RegistryKey open() {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
        return RegistryKey(key);
    }
    static void set(HKEY key, DWORD dpi) {
        RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    DWORD old_ = 0;
    bool had_ = false;
};

// Runs this program again with the flag and the same arguments; its exit code.
int runChild() {
    std::string command = GetCommandLineA();
    command += " ";
    command += kChildFlag;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    const KernelHandle thread(process.hThread), child(process.hProcess);
    WaitForSingleObject(child.get(), INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(child.get(), &code);
    return static_cast<int>(code);
}

}  // namespace
}  // namespace plk

int main(int argc, char** argv) {
    bool child = false;
    for (int i = 1; i < argc; ++i) child = child || std::string(argv[i]) == plk::kChildFlag;
    if (!child) {
        const plk::LogPixels dpi(plk::kTestDpi);
        return plk::runChild();
    }
    ::testing::InitGoogleTest(&argc, argv);
    plk::Application application("Plinkety", IDI_PLINKETY);
    return RUN_ALL_TESTS();
}
