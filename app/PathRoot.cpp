#include "app/PathRoot.h"

#include "app/SongPath.h"

namespace plk {
namespace {

bool startsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool isDriveLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// "\\server\share" out of "\\server\share\...", given the text after the two
// leading backslashes.
std::string shareRoot(const std::string& afterSlashes) {
    const std::size_t serverEnd = afterSlashes.find('\\');
    if (serverEnd == std::string::npos) return "\\\\" + afterSlashes;
    const std::size_t shareEnd = afterSlashes.find('\\', serverEnd + 1);
    return "\\\\" + afterSlashes.substr(0, shareEnd);
}

}  // namespace

std::string pathRoot(const std::string& path) {
    if (startsWith(path, "\\\\?\\UNC\\")) return asciiUpper(shareRoot(path.substr(8)));
    if (startsWith(path, "\\\\?\\") || startsWith(path, "\\\\.\\")) return pathRoot(path.substr(4));
    if (startsWith(path, "\\\\")) return asciiUpper(shareRoot(path.substr(2)));
    if (path.size() >= 2 && path[1] == ':' && isDriveLetter(path[0])) return asciiUpper(path.substr(0, 2));
    return std::string();
}

}  // namespace plk
