// The folder a rebuild starts in, from the text in the Search in box.
#pragma once

#include <string>

namespace plk {

// The folder text without the blanks and quotes around it: Explorer's "Copy
// as path" gives "D:\Music" in quotes, and a paste often brings a space or
// a line break. A quote cannot be part of a Windows name, so every quote at
// either end goes, paired or not; blanks inside the text stay.
std::wstring unquotedFolderText(const std::wstring& typed);

// The folder with a backslash appended when it does not end in one ("D:"
// becomes the root "D:\").
std::string startFolderOf(const std::string& folder);
std::wstring startFolderOf(const std::wstring& folder);

}  // namespace plk
