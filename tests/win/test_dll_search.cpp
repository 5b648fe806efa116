// A DLL beside the program is not loaded by name once the program has
// restricted the search to the system folder; system DLLs still are.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <string>

#include "win32/ComApartment.h"
#include "win32/DllSearch.h"
#include "win32/ProgramProcess.h"

namespace plk {
namespace {

std::string besideThisProgram(const char* name) {
    char path[MAX_PATH];
    std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

TEST(DllSearch, ADllBesideTheProgramIsNoLongerFoundByName) {
    // Loadable, and found by name where nothing has restricted the search.
    HMODULE probe = LoadLibraryA(besideThisProgram("plkprobe.dll").c_str());
    ASSERT_NE(probe, nullptr);
    FreeLibrary(probe);
    probe = LoadLibraryA("plkprobe.dll");
    ASSERT_NE(probe, nullptr);
    FreeLibrary(probe);

    loadDllsFromSystemFolderOnly();
    EXPECT_EQ(LoadLibraryA("plkprobe.dll"), nullptr);
    const HMODULE system = LoadLibraryA("version.dll");
    EXPECT_NE(system, nullptr);
    if (system) FreeLibrary(system);
}

// After the test above: the search stays restricted for the process.
TEST(ProgramProcess, NoDriveBoxesAndDllsFromTheSystemFolder) {
    SetErrorMode(0);  // Windows' default; Wine starts programs with the quiet mode already
    const ProgramProcess process;
    const UINT quiet = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
    EXPECT_EQ(GetErrorMode() & quiet, quiet);
    EXPECT_EQ(LoadLibraryA("plkprobe.dll"), nullptr);
}

// The program's GUI thread enters a single-threaded apartment for its run
// and leaves it at the end, so that nothing stays counted.
TEST(ComApartment, HoldsTheThreadInASingleThreadedApartmentForItsScope) {
    {
        const ComApartment apartment;
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    }
    const HRESULT after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(after, S_OK);
    if (SUCCEEDED(after)) CoUninitialize();
}

}  // namespace
}  // namespace plk
