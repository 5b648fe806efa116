// Opening a file with the program its type is registered to, as a
// double-click in the shell would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace plk {

// ShellExecuteA with owner, no verb (the type's default action) and
// SW_SHOW. The result is not examined: what the shell makes of a file without
// an associated program is its own business.
void shellOpen(HWND owner, const std::string& path);

// Tests and benchmarks take the request instead of the shell until the
// replacement is emptied again.
using ShellOpenFunction = std::function<void(const std::string& path)>;
void replaceShellOpenForTesting(ShellOpenFunction replacement);

}  // namespace plk
