// The Windows half of the button's default place: the primary screen, the
// taskbar and the work area as the system reports them, and the monitors of
// the desktop as they are now.
#pragma once

#include <vector>

#include "app/DefaultPosition.h"

namespace plk {

// The button's place when none is saved, at the primary monitor's scale.
ScreenPoint defaultButtonPosition();

// Each monitor of the desktop, in screen coordinates.
std::vector<ScreenRect> monitorRects();

}  // namespace plk
