// The Windows half of judging a song's path: what the portable rules cannot
// know without asking the system.
#pragma once

#include <string>

namespace plk {

// isPlayablePath, judged on the name Windows opens: a last name in short
// (8.3) form is judged by its long name, whose extension the shell goes by
// (SETTIN~1.SET is a .settingcontent-ms file); and the extension must not be
// one that the system's file associations call dangerous. A short name whose
// long name cannot be had is not played: it cannot be judged.
bool isPlayableFile(const std::string& path);

}  // namespace plk
