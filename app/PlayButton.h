// The floating Play button, the program's main window. It holds the program
// state for the whole run; the other windows reach it through Forms::Form1.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/Settings.h"
#include "library/IndexFile.h"
#include "win32/Handles.h"
#include "win32/ImageControl.h"
#include "win32/PopupMenu.h"
#include "win32/Window.h"
#include "win32/WindowTimer.h"

namespace plk {

class Tid3v2tag;

class TForm1 : public Window {
public:
    TForm1();
    ~TForm1() override;

    // Reloads Library and NoLibrary from the index file beside the program.
    // Throws FileError when the file is there but cannot be read.
    void ReadIndex();
    // Opens a random song of the library (a click, or the play hotkey).
    void runRandomizedFile();
    // Opens LastSong again, when there is one and it still exists.
    void playAgain();
    // Shows an MP3 file's artist and title before it is opened.
    void ShowID3(const std::string& path);

    // Program state.
    std::string IndexFileName;
    TLibrary Library;
    bool NoLibrary = false;
    std::string LastSong;
    std::unique_ptr<Tid3v2tag> TagReader;
    bool StayOnTop = true;
    int Theme = 0;
    bool InvertLabels = false;
    std::string PlayHotkeyText;
    std::string PlayAgainHotkeyText;
    int StartPosX = 0;
    int StartPosY = 0;

    const TSettings& settings() const { return settings_; }

    // Global hotkeys: the hotkey message and the two timers that serve it.
    void WMHotKey(WPARAM id);
    void Timer3Timer();  // one-shot after a hotkey: fade out, hand the focus back
    void Timer4Timer();  // remembers the window the user is working in
    HWND previousForeground = nullptr;
    bool focusHandBack = false;

    // Windows made after this one, wired by the program's entry.
    std::function<void()> showAboutDialog;   // est21Click
    std::function<void()> showHotkeyDialog;  // Globalhotkey1Click
    std::function<void()> flashPlayAgain;    // the Play Again button's flash, for hotkey 2

    // Brightness: the whole window's alpha, and the fade-out to rest.
    void setAlpha(BYTE alpha);
    void startFadeOut();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void FormCreate();
    void readSettings(int defaultLeft, int defaultTop);
    void hideTaskbarButton();
    void FormClose();
    void FormDestroy();
    void paint();

    void Image1Click();
    void FormMouseMove(WPARAM keys);
    void menuCommand(UINT id);
    void ExitClick();
    void est21Click();
    void Globalhotkey1Click();
    void Reindex1Click();
    void Alwaysontop1Click();
    void Dontstartautomatically1Click();
    void StartwithWindows1Click();
    void Startwithcurrentuser1Click();
    void themeClick(int theme);

    void offerRebuild(const std::string& text);
    void openSong(const std::string& path);

    void createHotkeyTimers();
    void registerStoredHotkeys();

    TSettings settings_;
    ImageListHandle ImageList1;
    std::unique_ptr<ImageControl> Image1;
    PopupMenu PopupMenu1;

    std::unique_ptr<WindowTimer> Timer3;
    std::unique_ptr<WindowTimer> Timer4;

    // The fade-out behind startFadeOut, until the look-and-feel timers come.
    BYTE alpha_ = 125;
    std::unique_ptr<WindowTimer> fadeOut_;
};

}  // namespace plk
