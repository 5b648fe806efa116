// The root a path lies on: a drive or a network share. A click passes over a
// root that has stopped answering, so it must know which draws share one.
#pragma once

#include <string>

namespace plk {

// "C:" for "c:\Music\a.mp3", "\\SERVER\SHARE" for "\\server\share\a.mp3",
// the same behind the "\\?\" and "\\?\UNC\" prefixes; letters are upper-cased
// (a to z only), since Windows compares drive and share names without case.
// A path on no named root (relative, or "\Music" on the current drive) gives
// the empty root, which all such paths share.
std::string pathRoot(const std::string& path);

}  // namespace plk
