// What the program needs to know about a song's path: whether it is an MP3
// file, whose tag is shown before the file is opened.
#pragma once

#include <string>

namespace plk {

// The text from the last "." that follows the last "\" and the last ":",
// dot included; empty when there is no such dot. A dot in a folder name
// does not count.
std::string extensionOf(const std::string& path);

// Only a to z are upper-cased: the other bytes are characters of the system
// code page, which are left as they are.
std::string asciiUpper(std::string text);

// True when the upper-cased extension is ".MP3".
bool isMp3Path(const std::string& path);

}  // namespace plk
