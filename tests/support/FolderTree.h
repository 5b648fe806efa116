// Scratch files and folders of the window tests and benchmarks: where they
// go, and removing a tree whatever attributes its entries were given.
#pragma once

#include <string>

namespace plk::test {

// name inside the system's temporary folder.
std::string tempPath(const std::string& name);

// The full path in UTF-16 with the "\\?\" prefix, which lifts the length
// limit of the system's path calls.
std::wstring extendedPath(const std::string& path);

// Removes folder (a full path with a trailing backslash) and everything below
// it, names the code page cannot spell and paths too long for the ANSI calls
// included. Read-only, hidden and system entries are cleared first, since
// DeleteFile and RemoveDirectory refuse read-only ones.
void removeFolderTree(const std::string& folder);

}  // namespace plk::test
