// The Set Global Hotkeys dialog in-process, with the Play button window that
// owns the hotkeys and settings.ini beside the test program. Whether a
// combination is registered is seen from outside: another window cannot
// register it while the program holds it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <memory>

#include "app/HotkeyDialog.h"
#include "app/PlayButton.h"
#include "gui/Application.h"
#include "gui/Controls.h"
#include "gui/ErrorBox.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

const ShortCut kCtrlAlt = kCtrlFlag | kAltFlag;

class HotkeyDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings_ = Application::exeFolder() + "settings.ini";
        DeleteFileA(settings_.c_str());
        probe_ = CreateWindowExA(0, "STATIC", "probe", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        dialog_.reset();
        form_.reset();
        DestroyWindow(probe_);
        RemoveDirectoryA(settings_.c_str());
        DeleteFileA(settings_.c_str());
        RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Plinkety");
    }
    void start(const std::string& settings) {
        std::ofstream(settings_) << "[General]\r\nautostart=0\r\n" << settings;
        create();
    }
    void create() {
        form_ = std::make_unique<TForm1>();
        dialog_ = std::make_unique<TForm5>(*form_);
    }
    HWND item(TForm5::ControlId id) const { return GetDlgItem(dialog_->hwnd(), id); }
    std::string stored(const char* key) const {
        char value[64] = {};
        GetPrivateProfileStringA("General", key, "<absent>", value, sizeof value, settings_.c_str());
        return value;
    }
    // Whether the program holds the combination: another window cannot have it.
    bool held(ShortCut value) {
        const HotkeyKey key = hotkeyFromShortCut(value);
        if (!RegisterHotKey(probe_, 77, key.modifiers, key.virtualKey)) return true;
        UnregisterHotKey(probe_, 77);
        return false;
    }
    void confirm(ShortCut play, ShortCut playAgain) {
        dialog_->showDialog();
        dialog_->setFieldValue(TForm5::HotKey1, play);
        dialog_->setFieldValue(TForm5::HotKey2, playAgain);
        SendMessageA(item(TForm5::Button1), BM_CLICK, 0, 0);
    }

    std::string settings_;
    HWND probe_ = nullptr;
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TForm5> dialog_;
};

TEST_F(HotkeyDialogTest, IsCreatedHiddenWithItsLayoutAndTabOrder) {
    start("");
    EXPECT_FALSE(dialog_->visible());
    test::expectDialogFrame(dialog_->hwnd(), "Set Global Hotkeys", 217, 177);
    test::expectControlPlaces({
        {item(TForm5::GroupBox1), " Play Random Hotkey ", 8, 8, 201, 57},
        {item(TForm5::HotKey1), "", 68, 29, 129, 19},
        {item(TForm5::GroupBox2), " Play Again Hotkey ", 8, 72, 201, 57},
        {item(TForm5::HotKey2), "", 68, 93, 129, 19},
        {item(TForm5::Button1), "&OK", 48, 144, 75, 25},
        {item(TForm5::Button2), "&Cancel", 136, 144, 75, 25},
    });
    for (const int id : test::childIds(dialog_->hwnd(), false)) {
        const HWND control = GetDlgItem(dialog_->hwnd(), id);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), dialogFont()) << id;
    }
    for (auto [label, top] : {std::pair{TForm5::Label1, 31}, std::pair{TForm5::Label2, 95}}) {
        EXPECT_EQ(test::childRect(item(label)).left, 20);
        EXPECT_EQ(test::childRect(item(label)).top, top);
        EXPECT_EQ(controlText(item(label)), "Hotkey:");
    }
    char name[32] = {};
    GetClassNameA(item(TForm5::HotKey1), name, sizeof name);
    EXPECT_STREQ(name, "msctls_hotkey32");
    EXPECT_TRUE(GetWindowLongA(item(TForm5::Button1), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_EQ(test::childIds(dialog_->hwnd(), false),
              (std::vector<int>{TForm5::Button1, TForm5::Button2, TForm5::GroupBox1, TForm5::Label1, TForm5::HotKey1,
                                TForm5::GroupBox2, TForm5::Label2, TForm5::HotKey2}));
    EXPECT_EQ(test::childIds(dialog_->hwnd(), true),
              (std::vector<int>{TForm5::Button1, TForm5::Button2, TForm5::HotKey1, TForm5::HotKey2}));
}

TEST_F(HotkeyDialogTest, FieldsTakeEveryCombinationAsTyped) {
    start("");
    const HWND field = item(TForm5::HotKey1);
    const auto type = [&](std::initializer_list<WPARAM> keys) {
        for (WPARAM key : keys) SendMessageA(field, WM_KEYDOWN, key, 0);
        for (WPARAM key : keys) SendMessageA(field, WM_KEYUP, key, 0xC0000000);
        return dialog_->fieldValue(TForm5::HotKey1);
    };
    EXPECT_EQ(type({VK_F9}), VK_F9);
    EXPECT_EQ(type({VK_SHIFT, 'K'}), kShiftFlag | 'K');
    EXPECT_EQ(type({VK_CONTROL, VK_MENU, 'P'}), kCtrlAlt | 'P');
}

TEST_F(HotkeyDialogTest, ActivationFocusesHotKey1AndReloadsTheStoredTexts) {
    start("hotkey=alt+^p\r\nhotkeypa=Shift+F9\r\n");
    dialog_->showDialog();
    EXPECT_EQ(GetFocus(), item(TForm5::HotKey1));
    EXPECT_EQ(dialog_->fieldValue(TForm5::HotKey1), kCtrlAlt | 'P');
    EXPECT_EQ(dialog_->fieldValue(TForm5::HotKey2), kShiftFlag | VK_F9);

    // An unconfirmed edit is dropped when the user comes back from another
    // window of the program.
    dialog_->setFieldValue(TForm5::HotKey2, kCtrlFlag | 'Q');
    SetFocus(item(TForm5::Button2));
    SetForegroundWindow(form_->hwnd());
    ASSERT_EQ(GetForegroundWindow(), form_->hwnd());
    SetForegroundWindow(dialog_->hwnd());
    EXPECT_EQ(dialog_->fieldValue(TForm5::HotKey2), kShiftFlag | VK_F9);
    EXPECT_EQ(GetFocus(), item(TForm5::HotKey1));
}

TEST_F(HotkeyDialogTest, OkRegistersStoresAndRemembersBoth) {
    start("");
    confirm(kCtrlAlt | VK_F11, kShiftFlag | VK_F10);
    EXPECT_FALSE(dialog_->visible());
    EXPECT_EQ(stored("hotkey"), "Ctrl+Alt+F11");
    EXPECT_EQ(stored("hotkeypa"), "Shift+F10");
    EXPECT_EQ(form_->PlayHotkeyText, "Ctrl+Alt+F11");
    EXPECT_EQ(form_->PlayAgainHotkeyText, "Shift+F10");
    EXPECT_TRUE(held(kCtrlAlt | VK_F11));
    EXPECT_TRUE(held(kShiftFlag | VK_F10));

    // Reopened, it shows what was confirmed.
    dialog_->showDialog();
    EXPECT_EQ(dialog_->fieldValue(TForm5::HotKey1), kCtrlAlt | VK_F11);
    EXPECT_EQ(dialog_->fieldValue(TForm5::HotKey2), kShiftFlag | VK_F10);

    // Cancel changes nothing.
    dialog_->setFieldValue(TForm5::HotKey1, 0);
    SendMessageA(item(TForm5::Button2), BM_CLICK, 0, 0);
    EXPECT_FALSE(dialog_->visible());
    EXPECT_EQ(stored("hotkey"), "Ctrl+Alt+F11");
    EXPECT_TRUE(held(kCtrlAlt | VK_F11));
}

TEST_F(HotkeyDialogTest, TheHotkeysAreOffOnlyWhileTheDialogHasTheKeyboard) {
    start("hotkey=Ctrl+Alt+F11\r\nhotkeypa=Ctrl+Alt+F10\r\n");
    const HWND other = CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 10, 10, 60, 60, nullptr,
                                       nullptr, nullptr, nullptr);
    const auto heldBoth = [&] { return held(kCtrlAlt | VK_F11) && held(kCtrlAlt | VK_F10); };
    const auto heldNeither = [&] { return !held(kCtrlAlt | VK_F11) && !held(kCtrlAlt | VK_F10); };
    // Cancel, Esc and the close box each give the stored ones back.
    for (const auto close : {+[](HWND dialog) { SendMessageA(GetDlgItem(dialog, TForm5::Button2), BM_CLICK, 0, 0); },
                             +[](HWND dialog) { test::pressEscape(dialog); },
                             +[](HWND dialog) { SendMessageA(dialog, WM_CLOSE, 0, 0); }}) {
        dialog_->showDialog();
        EXPECT_TRUE(heldNeither());
        // Behind another window the hotkeys work; back in front, they are off.
        SetForegroundWindow(other);
        EXPECT_TRUE(heldBoth());
        SetForegroundWindow(dialog_->hwnd());
        EXPECT_TRUE(heldNeither());
        close(dialog_->hwnd());
        EXPECT_FALSE(dialog_->visible());
        EXPECT_TRUE(heldBoth());
    }
    // The program's end withdraws them before it hides the dialog that has
    // the keyboard: they stay withdrawn.
    dialog_->showDialog();
    form_->endRun();
    EXPECT_TRUE(heldNeither());
    DestroyWindow(other);
}

TEST_F(HotkeyDialogTest, ChangedOrEmptiedCombinationLetsTheOldKeysGo) {
    start("hotkey=Ctrl+Alt+F11\r\nhotkeypa=Ctrl+Alt+F10\r\n");
    EXPECT_TRUE(held(kCtrlAlt | VK_F11));  // registered at start
    EXPECT_TRUE(held(kCtrlAlt | VK_F10));
    confirm(kCtrlAlt | VK_F12, 0);
    EXPECT_FALSE(held(kCtrlAlt | VK_F11));
    EXPECT_TRUE(held(kCtrlAlt | VK_F12));
    EXPECT_FALSE(held(kCtrlAlt | VK_F10));
    EXPECT_EQ(stored("hotkeypa"), "");
    EXPECT_EQ(form_->PlayAgainHotkeyText, "");
}

TEST_F(HotkeyDialogTest, FailedWriteStopsAfterRegisteringTheFirst) {
    // A folder where settings.ini should be: every write fails.
    ASSERT_TRUE(CreateDirectoryA(settings_.c_str(), nullptr));
    create();
    test::MessageBoxRecorder boxes;
    confirm(kCtrlAlt | VK_F11, kCtrlAlt | VK_F10);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Unable to write to " + settings_ + ".");
    EXPECT_TRUE(dialog_->visible());
    EXPECT_TRUE(held(kCtrlAlt | VK_F11));
    EXPECT_FALSE(held(kCtrlAlt | VK_F10));
    EXPECT_EQ(form_->PlayHotkeyText, "");
}

}  // namespace
}  // namespace plk
