// Scratch files and folders of the window tests and benchmarks: where they
// go, and removing a tree whatever attributes its entries were given.
#pragma once

#include <string>

namespace plk::test {

// name inside the system's temporary folder.
std::string tempPath(const std::string& name);

// Removes folder (with a trailing backslash) and everything below it.
// Read-only, hidden and system entries are cleared first, since
// DeleteFile and RemoveDirectory refuse read-only ones.
void removeFolderTree(const std::string& folder);

}  // namespace plk::test
