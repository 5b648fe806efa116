// Entry of the in-process window tests: the application's owner window
// exists for the whole run, as in the program. The common controls load
// with the first control made, as in the program.
#include <windows.h>

#include <gtest/gtest.h>

#include "gui/Application.h"
#include "resources/resource.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    plk::Application application("Plinkety", IDI_PLINKETY);
    return RUN_ALL_TESTS();
}
