// What the program needs to know about a song's path: whether it is an MP3
// file, whose tag is shown before the file is opened, and whether the shell
// would play it at all rather than run it.
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

// False for what the shell would run instead of opening in a player: an
// extension of .exe .bat .cmd .vbs .js .msi .scr .pif .ps1 .lnk or .url, in
// any letter case, also behind the dots and spaces at the end of a name that
// Windows drops. False too for a path the system would read as another one:
// one with a NUL byte (the system stops there) or with a stream name after
// the file name ("setup.exe::$DATA"). A rebuild writes neither; an index
// edited by hand or with "*.*" in its patterns may hold anything.
bool isPlayablePath(const std::string& path);

}  // namespace plk
