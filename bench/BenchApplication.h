// The frame of a benchmark that runs the program's windows under Wine: the
// common controls and the application's owner window exist for the whole
// run, as in the program.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "win32/Application.h"

namespace plk {

template <typename Body>
int runInApplication(Body&& body) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Application application("Plinkety");
    return body();
}

}  // namespace plk
