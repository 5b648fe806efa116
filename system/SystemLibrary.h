// Functions of Windows' own libraries that the program looks up when it
// first needs them instead of importing them: a library the program imports
// is loaded before WinMain runs, and each costs start-up time that the
// button, which needs none of these, should not wait for.
#pragma once

#include <string>

namespace plk {

// The named function of library, a Windows DLL named without a folder, or
// nullptr when the library or function is missing. The library is loaded on
// the first request and stays loaded for the rest of the run, so the
// function stays valid.
void* systemLibraryFunction(const char* library, const char* name);

template <typename Function>
Function systemFunction(const char* library, const char* name) {
    return reinterpret_cast<Function>(systemLibraryFunction(library, name));
}

// What systemLibraryFunction hands to LoadLibraryExW for library: the file
// and the flags. The program is often started from a Downloads folder full
// of other people's files, and a DLL named without a folder may be looked
// for there first, so every library is named by its full path in the system
// folder. The exception is the common controls, whose bare name lets the
// manifest pick version 6 from the side-by-side store (a path would load the
// system folder's version 5). searchFlags tells whether the loader knows the
// LOAD_LIBRARY_SEARCH flags (AddDllDirectory is there: Windows 8, or 7 with
// its 2011 loader update).
struct SystemLibraryLoad {
    std::wstring file;
    unsigned long flags = 0;
};

// False where library is not to be loaded at all: shcore, new in
// Windows 8.1, where the loader predates the search flags.
bool systemLibraryLoad(const char* library, bool searchFlags, SystemLibraryLoad& load);

}  // namespace plk
