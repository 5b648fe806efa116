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

const std::string& usableName(const FolderEntry& entry) {
    static const std::string none;
    if (spelled(entry.name)) return entry.name;
    if (spelled(entry.shortName)) return entry.shortName;
    return none;
}

bool isIndexedEntry(const FolderEntry& entry) {
    return !(entry.attributes & FileAttribute::kDirectory) && !usableName(entry).empty();
}

namespace {

// A folder the walk would enter if it could name it.
bool isWalkableFolder(const FolderEntry& entry) {
    if (!(entry.attributes & FileAttribute::kDirectory)) return false;
    if (entry.attributes & (FileAttribute::kHidden | FileAttribute::kSystem)) return false;
    return entry.name != "." && entry.name != "..";
}

}  // namespace

bool isEnteredFolder(const FolderEntry& entry) { return isWalkableFolder(entry) && !usableName(entry).empty(); }

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
    passedOver_ = PassedOver{};
    failed_ = false;
    walk(Place{folder, lister_.shortPath(folder)}, nullptr, patterns);
}

bool FolderWalk::firstVisit(const Place& folder) {
    const std::optional<FolderIdentity> id = lister_.identity(folder.listed(""));
    return !id || walked_.insert(*id).second;
}

void FolderWalk::walk(const Place& folder, const Place* parent, const std::vector<std::string>& patterns) {
    if (events_.stopRequested() || ended()) return;
    // Without this a link back to a folder above it would take the walk
    // round and round until Stop or a full index.
    if (!firstVisit(folder)) return;
    events_.folderEntered(folder.path);
    for (const std::string& pattern : patterns) {
        if (ended() || !findFiles(folder, parent, pattern)) return;
    }
    if (ended()) return;
    // The sub-folders are collected before the first is entered: the listing
    // of this folder is closed before the walk goes deeper, so the depth of
    // the tree never costs more than one open listing.
    const std::optional<std::vector<FolderEntry>> subs = subFolders(folder, parent);
    if (!subs) return;
    for (const FolderEntry& sub : *subs) walk(folder.inside(sub), &folder, patterns);
}

bool FolderWalk::list(const Place& folder, const Place* parent, const std::string& pattern,
                      const std::function<void(const FolderEntry&)>& visit) {
    const std::optional<ListingError> error = lister_.list(folder.listed(pattern), [&](const FolderEntry& entry) {
        if (ended()) return false;
        visit(entry);
        return true;
    });
    if (!error) return true;
    // The folder above was listed a moment ago. When it still lists, its
    // drive is there and only this folder failed: a link to a drive that is
    // not plugged in, a folder deleted during the walk.
    const bool parentLists =
        parent && !lister_.list(parent->listed("*.*"), [](const FolderEntry&) { return false; });
    if (!parentLists) {
        failed_ = true;
        events_.listingFailed(folder.path, *error);
    }
    return false;
}

bool FolderWalk::findFiles(const Place& folder, const Place* parent, const std::string& pattern) {
    return list(folder, parent, pattern, [&](const FolderEntry& entry) {
        if (entry.attributes & FileAttribute::kDirectory) return;
        if (isIndexedEntry(entry))
            events_.fileFound(folder.recordPath(entry));
        else
            ++passedOver_.files;
    });
}

std::optional<std::vector<FolderEntry>> FolderWalk::subFolders(const Place& folder, const Place* parent) {
    std::vector<FolderEntry> entries;
    const bool listed = list(folder, parent, "*.*", [&](const FolderEntry& entry) {
        if (isEnteredFolder(entry))
            entries.push_back(entry);
        else if (isWalkableFolder(entry))
            ++passedOver_.folders;
    });
    if (!listed) return std::nullopt;
    return entries;
}

}  // namespace plk
