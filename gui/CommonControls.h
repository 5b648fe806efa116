// The common controls library (tooltips, status bar, hotkey field, and the
// themed look of the standard controls), loaded when the first window that
// uses it is made rather than at start: the Play button shows without it.
#pragma once

namespace plk {

// Loads the library and registers the classes the program uses, once;
// later calls do nothing. False when the library could not be loaded.
// GUI thread only.
bool initCommonControls();

}  // namespace plk
