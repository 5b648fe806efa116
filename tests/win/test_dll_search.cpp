// A DLL beside the program is not loaded by name once the program has
// restricted the search to the system folder; system DLLs still are. The
// program's own late lookups name the system folder, whatever the loader.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <string>

#include "system/ComApartment.h"
#include "system/DllSearch.h"
#include "system/ProcessSetup.h"
#include "system/SystemLibrary.h"

namespace plk {
namespace {

std::string besideThisProgram(const char* name) {
    char path[MAX_PATH];
    std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

std::wstring inSystemFolder(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    return std::wstring(folder, GetSystemDirectoryW(folder, MAX_PATH)) + L'\\' + name;
}

// Before the search is restricted below: a DLL planted beside the program is
// found by its bare name, but the system library lookup never asks for one,
// also where the loader lacks the search flags (Windows 7 without its 2011
// update, which Wine is not: there the flags' absence is only told).
TEST(SystemLibrary, EveryLibraryButTheCommonControlsIsLoadedFromTheSystemFolder) {
    const HMODULE planted = LoadLibraryA("plkprobe.dll");
    ASSERT_NE(planted, nullptr);
    FreeLibrary(planted);
    const struct { const char* library; const wchar_t* name; } libraries[] = {
        {"plkprobe.dll", L"plkprobe.dll"}, {"shlwapi.dll", L"shlwapi.dll"}, {"ole32.dll", L"ole32.dll"},
        {"KERNEL32.DLL", L"KERNEL32.DLL"}, {"shcore.dll", L"shcore.dll"}};
    for (const bool searchFlags : {true, false}) {
        SCOPED_TRACE(searchFlags ? "search flags" : "no search flags");
        for (const auto& library : libraries) {
            SystemLibraryLoad load;
            const bool loaded = systemLibraryLoad(library.library, searchFlags, load);
            if (!searchFlags && library.name == std::wstring(L"shcore.dll")) {
                EXPECT_FALSE(loaded) << "shcore is not looked up where Windows 7 lacks the update";
                continue;
            }
            ASSERT_TRUE(loaded) << library.library;
            EXPECT_EQ(load.file, inSystemFolder(library.name));
            EXPECT_NE(load.flags, 0u) << "the system folder's search for what it loads in turn";
        }
        SystemLibraryLoad probe;
        ASSERT_TRUE(systemLibraryLoad("plkprobe.dll", searchFlags, probe));
        EXPECT_EQ(LoadLibraryExW(probe.file.c_str(), nullptr, probe.flags), nullptr);
        SystemLibraryLoad controls;
        ASSERT_TRUE(systemLibraryLoad("comctl32.dll", searchFlags, controls));
        EXPECT_EQ(controls.file, L"comctl32.dll") << "the manifest's side-by-side version";
    }
    EXPECT_EQ(systemLibraryFunction("plkprobe.dll", "plkProbe"), nullptr);
    EXPECT_NE(systemLibraryFunction("shlwapi.dll", "AssocIsDangerous"), nullptr);
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
TEST(ProcessSetup, NoDriveBoxesAndDllsFromTheSystemFolder) {
    SetErrorMode(0);  // Windows' default; Wine starts programs with the quiet mode already
    const ProcessSetup process;
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
