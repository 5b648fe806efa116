// The global hotkeys on the Play button window: the stored ones registered at
// start, the hotkey message, the one-shot that fades the button and hands the
// focus back, and the watch on the window the user is working in.
#include "app/PlayButton.h"

#include "app/Hotkeys.h"
#include "face/PlayAgainButton.h"
#include "gui/Application.h"
#include "gui/ErrorBox.h"

namespace plk {
namespace {

const UINT kHandBackDelayMs = 50;
const UINT kForegroundWatchMs = 100;
const UINT kTopmostInPlace = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;  // 0x13

// The application's last active window comes to the front, provided it is
// not the owner window itself and can take the input.
void bringApplicationForward() {
    const HWND owner = Application::ownerWindow();
    const HWND popup = GetLastActivePopup(owner);
    if (popup && popup != owner && IsWindowVisible(popup) && IsWindowEnabled(popup)) SetForegroundWindow(popup);
}

}  // namespace

void TForm1::createHotkeyTimers() {
    Timer3 = std::make_unique<CallbackTimer>(hwnd(), kHandBackDelayMs, [this] { Timer3Timer(); });
    Timer4 = std::make_unique<CallbackTimer>(hwnd(), kForegroundWatchMs, [this] { Timer4Timer(); });
    // Both run from the start; Timer3's first tick finds no hotkey to serve
    // and does nothing.
    Timer3->start();
    Timer4->start();
}

void TForm1::withdrawHotkeys() {
    UnregisterHotKey(hwnd(), kPlayHotkeyId);
    UnregisterHotKey(hwnd(), kPlayAgainHotkeyId);
}

void TForm1::registerStoredHotkeys() {
    // An id registered again while it still holds keys would answer to both
    // combinations: its keys are let go first.
    withdrawHotkeys();
    if (!PlayHotkeyText.empty()) registerHotkeyText(hwnd(), kPlayHotkeyId, PlayHotkeyText);
    if (!PlayAgainHotkeyText.empty()) registerHotkeyText(hwnd(), kPlayAgainHotkeyId, PlayAgainHotkeyText);
}

HWND TForm1::hotkeyBox() const { return servingHotkey_ ? Application::shownMessageBox() : nullptr; }

void TForm1::WMHotKey(WPARAM id) {
    if (id != kPlayHotkeyId && id != kPlayAgainHotkeyId) return;
    // A message box's own loop delivers the hotkey while the box waits for
    // its answer: pressed again while the box of a hotkey is up, a hotkey
    // brings that box back to the front instead of raising a second one.
    if (const HWND box = hotkeyBox()) {
        SetForegroundWindow(box);
        return;
    }
    const HWND owner = Application::ownerWindow();
    if (IsIconic(owner)) ShowWindow(owner, SW_RESTORE);
    if (!StayOnTop) {
        bringApplicationForward();
        // Topmost until something places the button again.
        SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, kTopmostInPlace);
    }
    setAlpha(kFullAlpha);
    focusHandBack = true;
    Timer3->start();
    // The error box of a song that cannot be read is shown here, while the
    // hotkey is still being served: it is the hotkey's box too.
    const bool outer = servingHotkey_;
    servingHotkey_ = true;
    runHandler([this, id] { playForHotkey(id); });
    servingHotkey_ = outer;
}

void TForm1::playForHotkey(WPARAM id) {
    if (id == kPlayHotkeyId) {
        runRandomizedFile();
    } else {
        if (playAgainButton_) playAgainButton_->flash();
        playAgain();
    }
}

void TForm1::Timer3Timer() {
    Timer3->stop();
    // The tick at start-up serves no hotkey and leaves the button as it is:
    // a pointer resting where the button appeared has begun its fade-in.
    if (!focusHandBack) return;
    startFadeOut();
    // A box the hotkey raised (no library, a song that cannot be read) is
    // the user's to answer: the hand-back would bury it. A dialog that was
    // merely open (About, brought forward with the program) is not.
    if (previousForeground && !hotkeyBox()) SetForegroundWindow(previousForeground);
}

void TForm1::Timer4Timer() {
    // Between a hotkey and its hand-back the program itself may be in front
    // (it was brought forward); the window the user was in stays remembered.
    if (focusHandBack && Timer3->running()) return;
    const HWND foreground = GetForegroundWindow();
    if (foreground != Application::ownerWindow()) previousForeground = foreground;
}

}  // namespace plk
