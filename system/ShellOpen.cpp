#include "system/ShellOpen.h"

#include <utility>

#include "system/Shell32.h"

namespace plk {
namespace {

ShellOpenFunction& testReplacement() {
    static ShellOpenFunction replacement;
    return replacement;
}

}  // namespace

void shellOpen(HWND owner, const std::string& path) {
    if (testReplacement()) return testReplacement()(path);
    shellExecuteA(owner, nullptr, path.c_str(), nullptr, nullptr, SW_SHOW);
}

void replaceShellOpenForTesting(ShellOpenFunction replacement) { testReplacement() = std::move(replacement); }

}  // namespace plk
