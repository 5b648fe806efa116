// The floating Play button, the program's main window. It holds the program
// state for the whole run; the program's entry hands the other windows what
// they need of it, and hands it the windows it drives.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/AutostartChoice.h"
#include "app/DefaultPosition.h"
#include "app/RandomPick.h"
#include "app/Settings.h"
#include "face/ButtonBrightness.h"
#include "face/SongTagText.h"
#include "gui/CallbackTimer.h"
#include "gui/FadeTimers.h"
#include "gui/ImageControl.h"
#include "gui/ImageStrip.h"
#include "gui/PopupMenu.h"
#include "gui/Tooltip.h"
#include "gui/Window.h"
#include "library/IndexFile.h"
#include "played/KeptRound.h"
#include "played/RecentSongs.h"
#include "system/Handles.h"

namespace plk {

class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class Tid3v2tag;
class Companion;

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
    // Shows an MP3 file's artist and title in the Song Tag popup before it
    // is opened, and returns the lines shown (none without the popup).
    // Throws FileError when the file cannot be read for its tag.
    std::optional<SongTagText> ShowID3(const std::string& path);

    // The brightness: the layered alpha (keeping the fades in step with it),
    // and the fade-out started without stopping a running fade-in.
    void setAlpha(BYTE alpha);
    void startFadeOut();

    // The pointer and the mouse buttons on the picture.
    void CMMouseEnter();
    void CMMouseLeave();
    void ImageMouseDown();
    void ImageMouseUp();

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
    // "Avoid repeats": random play draws among the songs not yet opened in
    // the round, which plkplayed.dat keeps while it is on.
    bool AvoidRepeats = false;

    const TSettings& settings() const { return settings_; }

    // Global hotkeys: the hotkey message and the two timers that serve it.
    void WMHotKey(WPARAM id);
    void Timer3Timer();  // one-shot after a hotkey: fade out, hand the focus back
    void Timer4Timer();  // remembers the window the user is working in
    HWND previousForeground = nullptr;
    bool focusHandBack = false;
    // Both hotkeys let go, and registered again from the stored texts (the
    // Set Global Hotkeys dialog holds them off while it has the keyboard).
    void withdrawHotkeys();
    void registerStoredHotkeys();

    // After the message loop, before any window is destroyed: the hotkeys
    // are withdrawn, the position is saved (its error box may still come up
    // over live windows), this window lets go of the windows it drives, and
    // every window is hidden (a worker stuck in a network listing may hold
    // up the rebuild dialog's end).
    void endRun();

    // The windows created after this one, wired by the program's entry.
    void setAboutDialog(TForm2& dialog) { aboutDialog_ = &dialog; }
    void setRebuildDialog(TForm3& dialog) { rebuildDialog_ = &dialog; }
    void setSongTag(TForm4& popup);
    void setHotkeyDialog(TForm5& dialog) { hotkeyDialog_ = &dialog; }
    void setPlayAgain(TForm6& button);

    HWND image() const { return Image1->hwnd(); }
    const Tooltip& hint() const { return *hint_; }

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void createControls();
    void FormCreate();
    void readSettings(int defaultLeft, int defaultTop);
    void hideTaskbarButton();
    void takeStartPosition(ScreenPoint place);
    // The button at place, laid out for scale (by default the scale of the
    // monitor nearest to place) and drawn.
    // insertAfter, when given, is its new place in the z-order (moveWindowTo).
    void placeButton(ScreenPoint place, HWND insertAfter = nullptr);
    void placeButton(const DisplayScale& scale, ScreenPoint place, HWND insertAfter = nullptr);
    // The picture and its strip at scale; the window keeps its size.
    void layOut(const DisplayScale& scale);
    void WMDpiChanged(WPARAM wParam, LPARAM lParam);
    void rescaleCompanions();
    // The monitors, their resolution or the work area changed.
    void WMDisplayChange();
    void FormClose();
    // Closing the main window ends the program; so does the end of the
    // session, which saves the position at once.
    void closeProgram();
    void endSession();
    void FormDestroy();
    void savePosition();
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
    void autostartClick(int mode);  // 0, 1, 2 as stored in the settings
    void themeClick(int theme);
    void applyTheme();
    void timerTick(WPARAM id);
    void applyBrightness();

    void offerRebuild(const std::string& text);
    void openSong(const std::string& path);
    bool canOpenAgain(const std::string& path);

    // "Avoid repeats" and "Recently played" (RoundPlay.cpp).
    void readRoundSetting();
    void Avoidrepeats1Click();
    // Takes up the round in plkplayed.dat; the recent list too, at start.
    void takeUpRound(bool readBackRecent);
    // The reload of the library, the round carried over by path.
    void reloadWithRound();
    SongPick pickSong();
    // A song of the round was opened: the round's file gets it. A file that
    // cannot be written is said once a run; the round goes on in memory.
    void keepInRound(std::uint32_t record);
    void rememberRecent(const std::string& path, const std::optional<SongTagText>& shown);
    void RecentSong1Click(std::size_t index);
    void WMInitMenuPopup(HMENU menu);
    std::wstring captionOfFile(const std::string& path);

    void createHotkeyTimers();
    void playForHotkey(WPARAM id);
    // The message box that a hotkey being served has raised, or none.
    HWND hotkeyBox() const;

    TSettings settings_;
    ImageStrip ImageList1;
    std::unique_ptr<ImageControl> Image1;
    std::unique_ptr<Tooltip> hint_;
    PopupMenu PopupMenu1;
    ButtonBrightness brightness_;
    bool positionSaved_ = false;
    FadeTimers timers_;
    AutostartChoice autostart_;

    std::unique_ptr<KeptRound> round_;  // while AvoidRepeats
    bool roundFileWarned_ = false;
    RecentSongs recent_;
    HMENU recentlyPlayed_ = nullptr;  // a submenu of PopupMenu1

    std::unique_ptr<CallbackTimer> Timer3;
    std::unique_ptr<CallbackTimer> Timer4;
    // A hotkey's play is under way: a box shown now is that hotkey's.
    bool servingHotkey_ = false;

    TForm2* aboutDialog_ = nullptr;
    TForm3* rebuildDialog_ = nullptr;
    TForm4* songTag_ = nullptr;
    TForm5* hotkeyDialog_ = nullptr;
    TForm6* playAgainButton_ = nullptr;
    // The popup and Play Again, in that order, for what both do alike.
    std::vector<Companion*> companions_;
};

}  // namespace plk
