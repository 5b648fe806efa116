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

// The extension Windows goes by: that of the path without the dots and
// spaces at the end of its last name, which Windows drops ("setup.exe. ").
std::string openedExtension(const std::string& path);

// True for an extension (any letter case) of what the shell would run, or
// hand to a host that runs it, instead of opening in a player.
bool isProgramExtension(const std::string& extension);

// False for what the shell would run instead of opening in a player (see
// isProgramExtension), for a name without an extension (no type to open it
// by: the shell runs a program named so), and for a path that Windows would
// read as another one
// before opening it, so that its text hides the name really opened: one with
// a NUL byte (the system stops there), a "/", a colon other than a drive's
// (a stream: "setup.exe::$DATA"), or a name of only dots and spaces or none
// ("setup.exe\.", "setup.exe\sub\..", "a\\b", a closing "\"). A rebuild
// writes none of these; an index edited by hand or with "*.*" in its
// patterns may hold anything.
bool isPlayablePath(const std::string& path);

}  // namespace plk
