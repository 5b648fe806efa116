// The two system-wide hotkeys, registered on the Play button window: 1 plays
// a random song, 2 plays the last one again. The system's answer to a
// registration is not looked at: a combination that another program holds,
// or that is no usable key, simply does nothing.
#pragma once

#include <windows.h>

#include <string>

#include "app/HotkeyText.h"

namespace plk {

const int kPlayHotkeyId = 1;
const int kPlayAgainHotkeyId = 2;

// The key names of the keyboard layout in use: the fixed table and, for other
// keys, the system's name of the key's scan code.
KeyNames platformKeyNames();

// Registers value's key and modifiers as hotkey id of window.
void registerShortCut(HWND window, int id, ShortCut value);

// Registers a stored text as hotkey id of window, at start. A text that does
// not convert registers key 0 without modifiers.
void registerHotkeyText(HWND window, int id, const std::string& text);

}  // namespace plk
