#include "app/SongPath.h"

namespace plk {

std::string ExtensionOf(const std::string& path) {
    const std::size_t dot = path.find_last_of(".\\:");
    if (dot == std::string::npos || path[dot] != '.') return std::string();
    return path.substr(dot);
}

std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool IsMp3Path(const std::string& path) { return AsciiUpper(ExtensionOf(path)) == ".MP3"; }

}  // namespace plk
