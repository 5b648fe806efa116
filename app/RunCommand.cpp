#include "app/RunCommand.h"

namespace plk {

std::string runCommand(const std::string& exePath) {
    if (exePath.find(' ') == std::string::npos) return exePath;
    return '"' + exePath + '"';
}

}  // namespace plk
