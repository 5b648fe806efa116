// The two system-wide hotkeys: 1 plays a random song, 2 plays the last one
// again. Their stored form is a text such as "Ctrl+Alt+P".
#pragma once

#include <windows.h>

#include <string>

namespace plk {

const int kPlayHotkeyId = 1;
const int kPlayAgainHotkeyId = 2;

// Registers text as hotkey id on window. A text that names no key, or a key
// the system refuses (another program holds it), registers nothing and is
// not reported: the hotkey simply does not work.
void RegisterHotkeyText(HWND window, int id, const std::string& text);

}  // namespace plk
