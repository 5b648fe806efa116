#include "library/PassedOverText.h"

namespace plk {
namespace {

std::string countOf(int count, const char* one, const char* many) {
    return std::to_string(count) + ' ' + (count == 1 ? one : many);
}

}  // namespace

std::string passedOverParagraph(const FolderWalk::PassedOver& passed) {
    std::string what;
    if (passed.files > 0) what = countOf(passed.files, "music file", "music files");
    if (passed.files > 0 && passed.folders > 0) what += " and ";
    if (passed.folders > 0) what += countOf(passed.folders, "folder", "folders");
    if (what.empty()) return what;
    const char* const why = passed.files + passed.folders == 1
                                ? " was passed over: its name has letters that the language for non-Unicode "
                                  "programs set in Windows cannot spell, and its drive keeps no short name for it."
                                : " were passed over: their names have letters that the language for non-Unicode "
                                  "programs set in Windows cannot spell, and their drive keeps no short names for "
                                  "them.";
    return "\r\n\r\n" + what + why;
}

}  // namespace plk
