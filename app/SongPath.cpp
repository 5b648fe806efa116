#include "app/SongPath.h"

#include <algorithm>
#include <iterator>

namespace plk {
namespace {

const char* const kProgramExtensions[] = {".EXE", ".BAT", ".CMD", ".VBS", ".JS", ".MSI",
                                          ".SCR", ".PIF", ".PS1", ".LNK", ".URL"};

}  // namespace

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

bool isPlayablePath(const std::string& path) {
    if (path.find('\0') != std::string::npos) return false;
    // A colon in the file name, other than a drive's "D:name", names a stream.
    const std::size_t nameStart = path.find_last_of('\\') + 1;  // 0 without a backslash
    const std::size_t colon = path.find(':', nameStart);
    if (colon != std::string::npos && colon != 1) return false;
    const std::size_t last = path.find_last_not_of(". ");
    const std::string extension = asciiUpper(extensionOf(path.substr(0, last + 1)));
    return std::none_of(std::begin(kProgramExtensions), std::end(kProgramExtensions),
                        [&](const char* program) { return extension == program; });
}

}  // namespace plk
