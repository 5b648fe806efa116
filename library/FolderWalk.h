// The order in which a rebuild finds music files: depth first, each folder's
// own matches (grouped by pattern, in pattern-list order) before anything in
// its sub-folders. The directory listing itself is behind FolderLister, so the
// rules can be checked without a file system.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace plk {

struct FolderEntry {
    std::string name;  // the long name, in the letter case the listing gives
    // The 8.3 name; empty when the long name is one already, or when the
    // volume keeps no short names.
    std::string shortName;
    std::uint32_t attributes = 0;  // FileAttribute bits
};

// Which folder a path leads to, whatever the road: a junction or a symbolic
// link to a folder names the folder it points at. Two paths of one folder
// give equal identities.
struct FolderIdentity {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator<(const FolderIdentity& other) const {
        return volume != other.volume ? volume < other.volume : index < other.index;
    }
};

// A listing the system refused for a reason beyond the folder itself: its
// drive, device or share has gone, or a folder listed a moment ago is no
// longer found.
struct ListingError {
    std::string message;  // the system's own text
};

class FolderLister {
public:
    virtual ~FolderLister() = default;
    // Visits, in listing order, the entries whose path matches pattern (a
    // folder followed by a wildcard name), until visit returns false. A
    // folder that has no match, or that the system will not list for this
    // user or at this length, visits nothing; any other failure, before the
    // first entry or after some, is returned.
    virtual std::optional<ListingError> list(const std::string& pattern,
                                             const std::function<bool(const FolderEntry&)>& visit) = 0;
    // folder (ending in a backslash) with every part that has an 8.3 name
    // spelled by it; folder itself when the system cannot say.
    virtual std::string shortPath(const std::string& folder) = 0;
    // The identity of folder (ending in a backslash); nothing when the system
    // cannot say, and such a folder is walked as any other.
    virtual std::optional<FolderIdentity> identity(const std::string& folder) = 0;
};

// The name under which the walk indexes or enters a listed entry. Paths are
// 8-bit text in the system code page, and the listing puts a '?' for every
// character of a name that the code page cannot spell; since '?' cannot
// occur in a real name, such a name opens nothing, and the entry's 8.3 name
// stands in for it. Empty when there is no usable name: the entry is passed
// over.
const std::string& usableName(const FolderEntry& entry);

// A listed entry that is indexed when its name matches a pattern: any file
// with a usable name, hidden, system and read-only ones included; never a
// folder.
bool isIndexedEntry(const FolderEntry& entry);

// A listed entry that the walk enters: a folder with a usable name that is
// neither hidden nor system, other than "." and "..".
bool isEnteredFolder(const FolderEntry& entry);

class FolderWalk {
public:
    class Events {
    public:
        virtual ~Events() = default;
        // Read once at each folder entry: a stop lets the current folder finish.
        virtual bool stopRequested() = 0;
        // Read before every step: an abandoned walk ends at once.
        virtual bool abandoned() = 0;
        virtual void folderEntered(const std::string& folder) = 0;
        virtual void fileFound(const std::string& path) = 0;
        // The walk cannot go on: folder's drive or share stopped answering.
        // The walk ends once this returns; the files found so far are only
        // part of the tree.
        virtual void listingFailed(const std::string& folder, const ListingError& error) = 0;
    };

    // Entries the walk could not name: their names have letters the code
    // page cannot spell, and they have no 8.3 name to stand in.
    struct PassedOver {
        int files = 0;    // matched a pattern but could not be indexed
        int folders = 0;  // could not be entered
    };

    FolderWalk(FolderLister& lister, Events& events) : lister_(lister), events_(events) {}

    // folder ends in a backslash. Each pattern is appended to it unchanged, so
    // a file that matches two patterns is found twice. Each folder is walked
    // once a search: one reached again (a link back to a folder above it,
    // two links to each other, two links to one place) is passed over.
    // A folder that fails to list while the folder above it still lists is
    // passed over too: the failure is that folder's own. When the folder
    // above fails as well, or the start folder fails, the drive or share the
    // walk is on has gone, and the walk fails (Events::listingFailed).
    void searchFolder(const std::string& folder, const std::vector<std::string>& patterns);

    const PassedOver& passedOver() const { return passedOver_; }

private:
    // A folder of the walk by two spellings: the path as indexed, and the
    // same folder with each part by its 8.3 name, for the files whose full
    // path a record cannot hold.
    struct Place {
        std::string path;
        std::string shortPath;
        Place inside(const FolderEntry& folder) const;
        // What a record stores for a file here.
        std::string recordPath(const FolderEntry& file) const;
        // The listing's pattern: a folder path too long for a record is
        // listed by its short form, so that its files can still be found.
        std::string listed(const std::string& pattern) const;
    };

    void walk(const Place& folder, const Place* parent, const std::vector<std::string>& patterns);
    // False for a folder this search has walked already.
    bool firstVisit(const Place& folder);
    // One listing of folder. False when the folder cannot be listed any
    // further: the failure was its own (a link to nowhere, a folder just
    // deleted), or its whole drive has gone and the walk has failed.
    bool list(const Place& folder, const Place* parent, const std::string& pattern,
              const std::function<void(const FolderEntry&)>& visit);
    bool findFiles(const Place& folder, const Place* parent, const std::string& pattern);
    // The folders to enter, or nothing when folder could not be listed.
    std::optional<std::vector<FolderEntry>> subFolders(const Place& folder, const Place* parent);
    bool ended() { return failed_ || events_.abandoned(); }

    FolderLister& lister_;
    Events& events_;
    std::set<FolderIdentity> walked_;
    PassedOver passedOver_;
    bool failed_ = false;
};

}  // namespace plk
