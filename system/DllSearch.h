// Where the program looks for the DLLs that it, or a system DLL on its
// behalf, loads while it runs. The program is started from wherever the user
// unpacked it, often a Downloads folder full of other people's files: a DLL
// left there under a system DLL's name must never be loaded in its place.
#pragma once

namespace plk {

// From now on, DLLs named without a path are looked for in the system folder
// only. Called first thing, before anything loads a DLL. Windows 7 without
// its 2011 loader update lacks SetDefaultDllDirectories; there at least the
// current folder is taken out of the search.
void loadDllsFromSystemFolderOnly();

}  // namespace plk
