// tagdump [--frames] [--wide] FILE [ID ...]: what the tag reader makes of a
// file's ID3v2 tag at offset 0; with --wide the texts as the wide accessor
// gives them, in UTF-8.
// tagdump --song FILE: the file's format, chosen by its content, and the
// title and artist the popup would show.
// Exit status 0 whatever the file holds, 2 on bad usage.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "tools/tagdump/TagDump.h"

int main(int argc, char** argv) {
    bool listFrames = false;
    bool wideText = false;
    if (argc == 3 && std::strcmp(argv[1], "--song") == 0) {
        plk::dumpSongTags(std::cout, argv[2]);
        return std::cout.flush() ? 0 : 1;
    }
    int at = 1;
    for (; at < argc; ++at) {
        if (std::strcmp(argv[at], "--frames") == 0) listFrames = true;
        else if (std::strcmp(argv[at], "--wide") == 0) wideText = true;
        else break;
    }
    if (at >= argc || std::strncmp(argv[at], "--", 2) == 0) {
        std::cerr << "usage: tagdump [--frames] [--wide] FILE [ID ...]\n       tagdump --song FILE\n";
        return 2;
    }
    const std::string fileName = argv[at++];
    std::vector<std::string> ids(argv + at, argv + argc);
    if (ids.empty()) ids = {"TPE1", "TIT2"};
    plk::dumpTag(std::cout, fileName, listFrames, ids, wideText);
    return std::cout.flush() ? 0 : 1;
}
