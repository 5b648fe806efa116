// The command line that Windows runs at logon for the autostart value.
#pragma once

#include <string>

namespace plk {

// The executable's path, in double quotes when it holds a space: Windows
// reads an unquoted C:\Program Files\Plinkety\plinkety.exe as C:\Program.exe
// with arguments, and a C:\Program.exe that another user put there would run
// instead.
std::string runCommand(const std::string& exePath);

}  // namespace plk
