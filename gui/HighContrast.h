// The user's high-contrast setting. While it is on, windows draw with the
// system's colours (which the high-contrast theme sets) instead of their own,
// which could be unreadable on the theme's face colour.
#pragma once

#include <windows.h>

namespace plk {

bool highContrastOn();

// True for the messages that tell a top-level window the setting or the
// system's colours may have changed.
bool contrastMayHaveChanged(UINT message, WPARAM wParam);

}  // namespace plk
