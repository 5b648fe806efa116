// Paths the system hands over in UTF-16 (the program's own folder, a folder
// picked or typed) made into the 8-bit paths the program keeps. The index
// and settings.ini hold text in the system's code page, which cannot spell
// every name: Łukasz or Дмитрий on a Western system, for instance.
#pragma once

#include <optional>
#include <string>

#include "system/WideText.h"  // the other way: wideFromCodePage

namespace plk {

// text in the system's code page, every character as it is, or nothing when
// the code page cannot spell one: a default character ('?') or a look-alike
// ('L' for 'Ł') would name another file.
std::optional<std::string> exactAnsiText(const std::wstring& text);

// A path the 8-bit calls reach: path itself when the code page spells it,
// else its short form (each part that has an 8.3 name spelled by it), which
// only an existing path has. Nothing when neither can be spelled: a volume
// that keeps no short names, or a path that does not exist.
std::optional<std::string> ansiPath(const std::wstring& path);

// text with what the code page cannot spell as '?', never as a look-alike:
// for messages and for paths that nothing else reaches, where a '?' names
// no file.
std::string lossyAnsiText(const std::wstring& text);

}  // namespace plk
