#include "app/Hotkeys.h"

namespace plk {

void registerShortCut(HWND window, int id, ShortCut value) {
    const HotkeyKey key = hotkeyFromShortCut(value);
    if (RegisterHotKey(window, id, key.modifiers, key.virtualKey)) return;
    // Windows before 7 know no "no repeat" flag and may refuse it; a key that
    // another program holds is refused for that reason alone.
    if (GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED)
        RegisterHotKey(window, id, key.modifiers & ~kModNoRepeat, key.virtualKey);
}

void registerHotkeyText(HWND window, int id, const std::string& text) {
    registerShortCut(window, id, textToShortCut(text, platformKeyNames()));
}

}  // namespace plk
