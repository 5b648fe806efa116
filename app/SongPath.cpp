#include "app/SongPath.h"

namespace plk {

std::string extensionOf(const std::string& path) {
    const std::size_t dot = path.find_last_of(".\\:");
    if (dot == std::string::npos || path[dot] != '.') return std::string();
    return path.substr(dot);
}

std::string asciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool isMp3Path(const std::string& path) { return asciiUpper(extensionOf(path)) == ".MP3"; }

}  // namespace plk
