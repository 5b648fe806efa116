#include "library/FolderWalk.h"

#include "library/LibraryRecord.h"
#include "platform/FileAttributes.h"

namespace plk {
namespace {

bool spelled(const std::string& name) { return !name.empty() && name.find('?') == std::string::npos; }

bool fitsRecord(const std::string& path) { return path.size() <= std::size_t(TLibraryRecord::kMaxPath); }

// The entry's part of a short path: its 8.3 name, or its usable name when it
// has no other.
const std::string& shortPart(const FolderEntry& entry) {
    return spelled(entry.shortName) ? entry.shortName : usableName(entry);
}

}  // namespace

std::string startFolderOf(const std::string& typed) {
    if (typed.empty() || typed.back() != '\\') return typed + '\\';
    return typed;
}

const std::string& usableName(const FolderEntry& entry) {
    static const std::string none;
    if (spelled(entry.name)) return entry.name;
    if (spelled(entry.shortName)) return entry.shortName;
    return none;
}

bool isIndexedEntry(const FolderEntry& entry) {
    return !(entry.attributes & FileAttribute::kDirectory) && !usableName(entry).empty();
}

bool isEnteredFolder(const FolderEntry& entry) {
    if (!(entry.attributes & FileAttribute::kDirectory)) return false;
    if (entry.attributes & (FileAttribute::kHidden | FileAttribute::kSystem)) return false;
    return entry.name != "." && entry.name != ".." && !usableName(entry).empty();
}

FolderWalk::Place FolderWalk::Place::inside(const FolderEntry& folder) const {
    return Place{path + usableName(folder) + '\\', shortPath + shortPart(folder) + '\\'};
}

std::string FolderWalk::Place::recordPath(const FolderEntry& file) const {
    const std::string full = path + usableName(file);
    if (fitsRecord(full)) return full;
    // A cut path opens nothing; the short form does, when it fits. When it
    // does not either, the record keeps the cut path as before.
    const std::string shortened = shortPath + shortPart(file);
    return fitsRecord(shortened) ? shortened : full;
}

std::string FolderWalk::Place::listed(const std::string& pattern) const {
    return fitsRecord(path + pattern) ? path + pattern : shortPath + pattern;
}

void FolderWalk::searchFolder(const std::string& folder, const std::vector<std::string>& patterns) {
    walked_.clear();
    walk(Place{folder, lister_.shortPath(folder)}, patterns);
}

bool FolderWalk::firstVisit(const Place& folder) {
    const std::optional<FolderIdentity> id = lister_.identity(folder.listed(""));
    return !id || walked_.insert(*id).second;
}

void FolderWalk::walk(const Place& folder, const std::vector<std::string>& patterns) {
    if (events_.stopRequested() || events_.abandoned()) return;
    // Without this a link back to a folder above it would take the walk
    // round and round until Stop or a full index.
    if (!firstVisit(folder)) return;
    events_.folderEntered(folder.path);
    for (const std::string& pattern : patterns) {
        if (events_.abandoned()) return;
        findFiles(folder, pattern);
    }
    if (events_.abandoned()) return;
    // The sub-folders are collected before the first is entered: the listing
    // of this folder is closed before the walk goes deeper, so the depth of
    // the tree never costs more than one open listing.
    for (const FolderEntry& sub : subFolders(folder)) walk(folder.inside(sub), patterns);
}

void FolderWalk::findFiles(const Place& folder, const std::string& pattern) {
    lister_.list(folder.listed(pattern), [&](const FolderEntry& entry) {
        if (events_.abandoned()) return false;
        if (isIndexedEntry(entry)) events_.fileFound(folder.recordPath(entry));
        return true;
    });
}

std::vector<FolderEntry> FolderWalk::subFolders(const Place& folder) {
    std::vector<FolderEntry> entries;
    lister_.list(folder.listed("*.*"), [&](const FolderEntry& entry) {
        if (events_.abandoned()) return false;
        if (isEnteredFolder(entry)) entries.push_back(entry);
        return true;
    });
    return entries;
}

}  // namespace plk
