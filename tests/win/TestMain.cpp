// Entry of the in-process window tests: the common controls and the
// application's owner window exist for the whole run, as in the program.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "win32/Application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&controls);
    plk::Application application("Plinkety");
    return RUN_ALL_TESTS();
}
