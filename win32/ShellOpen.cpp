#include "win32/ShellOpen.h"

#include <shellapi.h>

#include <utility>

namespace plk {
namespace {

ShellOpenFunction& Replacement() {
    static ShellOpenFunction replacement;
    return replacement;
}

}  // namespace

void ShellOpen(HWND owner, const std::string& path) {
    if (Replacement()) return Replacement()(path);
    ShellExecuteA(owner, nullptr, path.c_str(), nullptr, nullptr, SW_SHOW);
}

void ReplaceShellOpenForTesting(ShellOpenFunction replacement) { Replacement() = std::move(replacement); }

}  // namespace plk
