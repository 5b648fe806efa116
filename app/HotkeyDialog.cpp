#include "app/HotkeyDialog.h"

#include <commctrl.h>

#include "app/Hotkeys.h"
#include "app/PlayButton.h"
#include "gui/Controls.h"

namespace plk {
namespace {

bool isWindowOfThisProcess(HWND window) {
    return window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

}  // namespace

TForm5::TForm5(TForm1& form1) : form1_(form1) {
    // Enter presses OK, Esc Cancel.
    createDialog("TForm5", "Set Global Hotkeys", 217, 177, Button1, Button2);
    createControls();
}

void TForm5::createControls() {
    const HWND self = hwnd();
    makeDefaultButton(self, Button1, "&OK", {48, 144, 75, 25});
    makeButton(self, Button2, "&Cancel", {136, 144, 75, 25});
    onCommand(Button1, [this] { Button1Click(); });
    onCommand(Button2, [this] { Button2Click(); });
    // A group's controls are children of the dialog at the group's offset.
    const struct { int top; const char* caption; ControlId box, label, field; } groups[] = {
        {8, " Play Random Hotkey ", GroupBox1, Label1, HotKey1},
        {72, " Play Again Hotkey ", GroupBox2, Label2, HotKey2},
    };
    for (const auto& group : groups) {
        makeGroupBox(self, group.box, group.caption, {8, group.top, 201, 57});
        makeLabel(self, group.label, "Hotkey:", 8 + 12, group.top + 23);
        const HWND field = makeHotkeyField(self, group.field, {8 + 60, group.top + 21, 129, 19});
        // Every key with any mix of Shift, Ctrl and Alt, or with none, is
        // taken as typed: no combination is invalid. (A combination marked
        // invalid has its modifiers replaced by the rule's, even when the
        // rule names none, in some versions of the control: Shift+K would
        // become K.)
        SendMessageA(field, HKM_SETRULES, 0, MAKELPARAM(0, 0));
    }
}

ShortCut TForm5::fieldValue(ControlId field) const {
    const WORD value = LOWORD(SendMessageA(item(field), HKM_GETHOTKEY, 0, 0));
    const BYTE modifiers = HIBYTE(value);
    ShortCut result = LOBYTE(value);
    if (modifiers & HOTKEYF_SHIFT) result |= kShiftFlag;
    if (modifiers & HOTKEYF_CONTROL) result |= kCtrlFlag;
    if (modifiers & HOTKEYF_ALT) result |= kAltFlag;
    return result;
}

void TForm5::setFieldValue(ControlId field, ShortCut value) {
    BYTE modifiers = 0;
    if (value & kShiftFlag) modifiers |= HOTKEYF_SHIFT;
    if (value & kCtrlFlag) modifiers |= HOTKEYF_CONTROL;
    if (value & kAltFlag) modifiers |= HOTKEYF_ALT;
    SendMessageA(item(field), HKM_SETHOTKEY, MAKEWORD(LOBYTE(value), modifiers), 0);
}

void TForm5::FormActivate() {
    SetFocus(item(HotKey1));
    const KeyNames names = platformKeyNames();
    setFieldValue(HotKey1, textToShortCut(form1_.PlayHotkeyText, names));
    setFieldValue(HotKey2, textToShortCut(form1_.PlayAgainHotkeyText, names));
}

void TForm5::Button1Click() {
    // A failed settings write throws here: the dialog stays open, and the
    // second hotkey is left as it was.
    registerHotkey(fieldValue(HotKey1), kPlayHotkeyId);
    registerHotkey(fieldValue(HotKey2), kPlayAgainHotkeyId);
    hide();
}

void TForm5::Button2Click() {
    hide();
    form1_.registerStoredHotkeys();
}

void TForm5::registerHotkey(ShortCut value, int id) {
    const std::string text = shortCutToText(value, platformKeyNames());
    // The id's earlier keys are let go first: a changed combination must not
    // go on answering to the old keys, and an emptied one frees them for
    // other programs.
    UnregisterHotKey(form1_.hwnd(), id);
    if (!text.empty()) registerShortCut(form1_.hwnd(), id, value);
    const bool play = id == kPlayHotkeyId;
    form1_.settings().writeString(play ? "hotkey" : "hotkeypa", text);
    (play ? form1_.PlayHotkeyText : form1_.PlayAgainHotkeyText) = text;
}

void TForm5::activate(WPARAM state, HWND other) {
    // The hotkeys are off only while the dialog has the keyboard: typing the
    // current combination into a field must show it there, not play a song
    // and take the focus away. Behind another window, they work. A dialog
    // being hidden is already off the screen when it loses the keyboard:
    // OK and Cancel register for themselves, and the program's end hides
    // it after the hotkeys are withdrawn for good.
    if (LOWORD(state) == WA_INACTIVE) {
        focus_.activate(hwnd(), state);
        leftProgram_ = !isWindowOfThisProcess(other);
        if (visible()) form1_.registerStoredHotkeys();
        return;
    }
    form1_.withdrawHotkeys();
    // Coming back from another application, the dialog was the program's
    // active window all along: the fields keep what is typed in them.
    if (leftProgram_ && !isWindowOfThisProcess(other)) {
        leftProgram_ = false;
        focus_.activate(hwnd(), state);
        return;
    }
    leftProgram_ = false;
    FormActivate();
}

LRESULT TForm5::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        activate(wParam, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SHOWWINDOW:
        // A dialog being shown is always activated afresh.
        if (wParam) leftProgram_ = false;
        return defaultHandling(message, wParam, lParam);
    case WM_CLOSE:
        Button2Click();  // the close box
        return 0;
    default:
        return ModelessDialog::handleMessage(message, wParam, lParam);
    }
}

}  // namespace plk
