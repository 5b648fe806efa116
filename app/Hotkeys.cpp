#include "app/Hotkeys.h"

namespace plk {

void registerShortCut(HWND window, int id, ShortCut value) {
    const HotkeyKey key = hotkeyFromShortCut(value);
    RegisterHotKey(window, id, key.modifiers, key.virtualKey);
}

void registerHotkeyText(HWND window, int id, const std::string& text) {
    registerShortCut(window, id, textToShortCut(text, platformKeyNames()));
}

}  // namespace plk
