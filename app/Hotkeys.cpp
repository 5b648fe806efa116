#include "app/Hotkeys.h"

namespace plk {
namespace {

struct HotkeyKey {
    UINT modifiers = 0;   // MOD_ALT, MOD_CONTROL, MOD_SHIFT
    UINT virtualKey = 0;  // 0: no key
};

// The text's key and modifiers. Key names are not read yet: every text
// converts to no key, so nothing is registered.
HotkeyKey KeyOfText(const std::string&) { return HotkeyKey(); }

}  // namespace

void RegisterHotkeyText(HWND window, int id, const std::string& text) {
    const HotkeyKey key = KeyOfText(text);
    if (key.virtualKey != 0) RegisterHotKey(window, id, key.modifiers, key.virtualKey);
}

}  // namespace plk
