// The autostart value: a string named after the program under the Run key
// of the machine or of the current user, holding the executable's path.
#pragma once

#include <string>

#include "app/RunCommand.h"

namespace plk {

extern const char kRunKeyPath[];  // Software\Microsoft\Windows\CurrentVersion\Run

enum class RunHive { LocalMachine = 1, CurrentUser = 2 };

// Deletes the value from hive's Run key when it is there. Silent: a key that
// cannot be opened (no rights on the machine's key) deletes nothing.
void DeleteRunValue(const std::string& name, RunHive hive);

// Writes text as a REG_SZ value, creating the key when needed. Throws
// std::runtime_error with the system's message when the key cannot be
// opened for writing.
void WriteRunValue(RunHive hive, const std::string& keyPath, const std::string& name, const std::string& text);

// True when hive's Run key holds a value of that name.
bool runValueExists(RunHive hive, const std::string& name);

// Autostart mode 0 (none), 1 (the machine's Run key) or 2 (the current
// user's): the value named name is deleted from the hive the mode does not
// use (both for mode 0, the machine's first), then written with exePath as
// a command (runCommand) into the hive it uses. A mode's number is its hive's.
void placeRunValue(int mode, const std::string& name, const std::string& exePath);

}  // namespace plk
