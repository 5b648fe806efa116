// The autostart value: a string named after the program under the Run key
// of the machine or of the current user, holding the executable's path.
#pragma once

#include <string>

#include "app/RunCommand.h"

namespace plk {

extern const char kRunKeyPath[];  // Software\Microsoft\Windows\CurrentVersion\Run

enum class RunHive { kLocalMachine = 1, kCurrentUser = 2 };

// Deletes the value from hive's Run key when it is there; the machine's from
// both registry views of 64-bit Windows, since earlier x86 builds wrote the
// 32-bit one and Windows runs the values of both at logon. A key that cannot
// be opened for writing (no rights on the machine's key) deletes nothing.
// Returns false when a value of that name is still there.
bool DeleteRunValue(const std::string& name, RunHive hive);

// Writes text as a REG_SZ value, creating the key when needed; the
// machine's in the 64-bit view, which both builds share. Throws
// std::runtime_error with the system's message when the key cannot be
// opened for writing.
void WriteRunValue(RunHive hive, const std::string& keyPath, const std::string& name, const std::string& text);

// True when hive's Run key holds a value of that name (the machine's in the
// 64-bit view).
bool runValueExists(RunHive hive, const std::string& name);

// Autostart mode 0 (none), 1 (the machine's Run key) or 2 (the current
// user's): the value named name, exePath as a command (runCommand), is
// written into the hive the mode uses, and only then deleted from the
// others, so that a refused write (WriteRunValue's error) leaves what was
// there. Returns the mode in force afterwards: mode itself, or 1 when a
// machine value could not be deleted. That value starts the program for
// every user, this one included, so mode 2 then takes its own value away
// again rather than have the program started twice.
int placeRunValue(int mode, const std::string& name, const std::string& exePath);

}  // namespace plk
