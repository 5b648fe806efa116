// The floating Play button, the program's main window. It holds the program
// state for the whole run; the program's entry hands the other windows what
// they need of it, and hands it the windows it drives.
#pragma once

#include <memory>
#include <string>

#include "app/Settings.h"
#include "library/IndexFile.h"
#include "win32/Handles.h"
#include "win32/ImageControl.h"
#include "win32/PopupMenu.h"
#include "win32/Window.h"

namespace plk {

class TForm3;
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

    // The windows created after this one, wired by the program's entry.
    void setRebuildDialog(TForm3& dialog) { rebuildDialog_ = &dialog; }

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
    void Reindex1Click();
    void Alwaysontop1Click();
    void Dontstartautomatically1Click();
    void StartwithWindows1Click();
    void Startwithcurrentuser1Click();
    void themeClick(int theme);

    void offerRebuild(const std::string& text);
    void openSong(const std::string& path);

    TSettings settings_;
    ImageListHandle ImageList1;
    std::unique_ptr<ImageControl> Image1;
    PopupMenu PopupMenu1;

    TForm3* rebuildDialog_ = nullptr;
};

}  // namespace plk
