// The frame of a benchmark that runs the program's windows under Wine: the
// common controls and the application's owner window exist for the whole
// run, as in the program.
#pragma once

#include <windows.h>

#include "gui/Application.h"
#include "gui/CommonControls.h"
#include "resources/resource.h"

namespace plk {

template <typename Body>
int runInApplication(Body&& body) {
    initCommonControls();
    Application application("Plinkety", IDI_PLINKETY);
    return body();
}

}  // namespace plk
