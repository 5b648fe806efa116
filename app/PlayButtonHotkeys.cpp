// The global hotkeys on the Play button window: the stored ones registered at
// start, the hotkey message, the one-shot that fades the button and hands the
// focus back, and the watch on the window the user is working in.
#include "app/PlayButton.h"

#include "app/Hotkeys.h"
#include "playagain/PlayAgainButton.h"
#include "win32/Application.h"

namespace plk {
namespace {

const BYTE kPressedAlpha = 235;
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
    if (!PlayHotkeyText.empty()) registerHotkeyText(hwnd(), kPlayHotkeyId, PlayHotkeyText);
    if (!PlayAgainHotkeyText.empty()) registerHotkeyText(hwnd(), kPlayAgainHotkeyId, PlayAgainHotkeyText);
}

void TForm1::WMHotKey(WPARAM id) {
    if (id != kPlayHotkeyId && id != kPlayAgainHotkeyId) return;
    const HWND owner = Application::ownerWindow();
    if (IsIconic(owner)) ShowWindow(owner, SW_RESTORE);
    if (!StayOnTop) {
        bringApplicationForward();
        // Topmost until something places the button again.
        SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, kTopmostInPlace);
    }
    setAlpha(kPressedAlpha);
    focusHandBack = true;
    Timer3->start();
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
    // A box or dialog the hotkey brought up (no library, a song that cannot
    // be read) is the user's to answer: the hand-back would bury it.
    if (previousForeground && !Application::boxOrDialogShown()) SetForegroundWindow(previousForeground);
}

void TForm1::Timer4Timer() {
    // Between a hotkey and its hand-back the program itself may be in front
    // (it was brought forward); the window the user was in stays remembered.
    if (focusHandBack && Timer3->running()) return;
    const HWND foreground = GetForegroundWindow();
    if (foreground != Application::ownerWindow()) previousForeground = foreground;
}

}  // namespace plk
