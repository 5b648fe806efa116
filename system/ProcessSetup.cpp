#include "system/ProcessSetup.h"

#include <windows.h>

#include "system/DllSearch.h"

namespace plk {

ProcessSetup::ProcessSetup() {
    // A library on a card reader or DVD drive without its medium would raise
    // Windows' "There is no disk in the drive" box at each of a click's
    // existence checks: they fail quietly instead. First, before anything
    // touches a drive.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    loadDllsFromSystemFolderOnly();
}

}  // namespace plk
