// Functions of Windows' own libraries that the program looks up when it
// first needs them instead of importing them: a library the program imports
// is loaded before WinMain runs, and each costs start-up time that the
// button, which needs none of these, should not wait for.
#pragma once

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

}  // namespace plk
