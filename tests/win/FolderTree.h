// Removing a folder tree made by a test or benchmark, whatever attributes
// its files and folders were given.
#pragma once

#include <string>

namespace plk::test {

// Removes folder (with a trailing backslash) and everything below it.
// Read-only, hidden and system entries are cleared first, since
// DeleteFile and RemoveDirectory refuse read-only ones.
void RemoveFolderTree(const std::string& folder);

}  // namespace plk::test
