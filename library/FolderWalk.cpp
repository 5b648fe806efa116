#include "library/FolderWalk.h"

#include "platform/FileAttributes.h"

namespace plk {

std::string startFolderOf(const std::string& typed) {
    if (typed.empty() || typed.back() != '\\') return typed + '\\';
    return typed;
}

bool isIndexedEntry(const FolderEntry& entry) { return !(entry.attributes & FileAttribute::kDirectory); }

bool isEnteredFolder(const FolderEntry& entry) {
    if (!(entry.attributes & FileAttribute::kDirectory)) return false;
    if (entry.attributes & (FileAttribute::kHidden | FileAttribute::kSystem)) return false;
    return entry.name != "." && entry.name != "..";
}

void FolderWalk::searchFolder(const std::string& folder, const std::vector<std::string>& patterns) {
    if (events_.stopRequested() || events_.abandoned()) return;
    events_.folderEntered(folder);
    for (const std::string& pattern : patterns) {
        if (events_.abandoned()) return;
        findFiles(folder, pattern);
    }
    if (events_.abandoned()) return;
    // The sub-folders are collected before the first is entered: the listing
    // of this folder is closed before the walk goes deeper, so the depth of
    // the tree never costs more than one open listing.
    for (const std::string& name : subFolders(folder)) searchFolder(folder + name + '\\', patterns);
}

void FolderWalk::findFiles(const std::string& folder, const std::string& pattern) {
    lister_.list(folder + pattern, [&](const FolderEntry& entry) {
        if (events_.abandoned()) return false;
        if (isIndexedEntry(entry)) events_.fileFound(folder + entry.name);
        return true;
    });
}

std::vector<std::string> FolderWalk::subFolders(const std::string& folder) {
    std::vector<std::string> names;
    lister_.list(folder + "*.*", [&](const FolderEntry& entry) {
        if (events_.abandoned()) return false;
        if (isEnteredFolder(entry)) names.push_back(entry.name);
        return true;
    });
    return names;
}

}  // namespace plk
