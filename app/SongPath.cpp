#include "app/SongPath.h"

#include <algorithm>
#include <iterator>

namespace plk {
namespace {

// What the shell runs, or hands to a host that runs it: programs, scripts and
// their hosts' files, installers and patches, shortcuts and shell commands,
// control-panel items, management consoles, compiled help (which runs script),
// registry files, setup information, deployed and packaged applications, the
// shell's own saved searches and libraries.
const char* const kProgramExtensions[] = {
    ".EXE", ".COM", ".BAT", ".CMD", ".PIF", ".SCR", ".CPL", ".MSI", ".MSP", ".MST",
    ".VBS", ".VBE", ".JS", ".JSE", ".WSF", ".WSH", ".WS", ".HTA", ".MSC", ".JAR",
    ".PS1", ".PSC1", ".PSM1", ".PSD1", ".LNK", ".URL", ".SCF", ".REG", ".CHM", ".INF",
    ".APPLICATION", ".APPREF-MS", ".SETTINGCONTENT-MS", ".GADGET", ".XBAP", ".DIAGCAB",
    ".LIBRARY-MS", ".SEARCH-MS", ".SEARCHCONNECTOR-MS"};

bool onlyDotsAndSpaces(const std::string& text, std::size_t begin, std::size_t end) {
    return std::all_of(text.begin() + begin, text.begin() + end, [](char c) { return c == '.' || c == ' '; });
}

// Windows reads "\." and "\.." (also as "\ .", "\...") as steps within the
// path, "\\" as one separator, "/" as "\", and a name ending in "\" as the
// folder: each lets the text before it hide the name that is opened. Only a
// network path's leading "\\" is taken as it stands.
bool hasStepComponent(const std::string& path) {
    std::size_t begin = path.compare(0, 2, "\\\\") == 0 ? 2 : 0;
    if (begin == 0 && !path.empty() && path[0] == '\\') begin = 1;  // the drive's root
    for (;;) {
        const std::size_t end = std::min(path.find('\\', begin), path.size());
        if (onlyDotsAndSpaces(path, begin, end)) return true;
        if (end == path.size()) return false;
        begin = end + 1;
    }
}

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

std::string openedExtension(const std::string& path) {
    const std::size_t last = path.find_last_not_of(". ");
    return extensionOf(path.substr(0, last == std::string::npos ? 0 : last + 1));
}

bool isProgramExtension(const std::string& extension) {
    const std::string upper = asciiUpper(extension);
    return std::any_of(std::begin(kProgramExtensions), std::end(kProgramExtensions),
                       [&](const char* program) { return upper == program; });
}

bool isPlayablePath(const std::string& path) {
    if (path.find_first_of(std::string("/\0", 2)) != std::string::npos) return false;
    // A colon anywhere but in a drive's "D:" names a stream or a device.
    const std::size_t colon = path.find(':');
    if (colon != std::string::npos && (colon != 1 || path.find(':', 2) != std::string::npos)) return false;
    if (hasStepComponent(path)) return false;
    // A name without an extension gives the shell no type to go by: a
    // program named so is run as one.
    const std::string extension = openedExtension(path);
    return !extension.empty() && !isProgramExtension(extension);
}

}  // namespace plk
