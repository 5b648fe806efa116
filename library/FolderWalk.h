// The order in which a rebuild finds music files: depth first, each folder's
// own matches (grouped by pattern, in pattern-list order) before anything in
// its sub-folders. The directory listing itself is behind FolderLister, so the
// rules can be checked without a file system.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace plk {

struct FolderEntry {
    std::string name;  // the long name, in the letter case the listing gives
    std::uint32_t attributes = 0;  // FileAttribute bits
};

class FolderLister {
public:
    virtual ~FolderLister() = default;
    // Visits, in listing order, the entries whose path matches pattern (a
    // folder followed by a wildcard name), until visit returns false. A folder
    // that cannot be listed visits nothing.
    virtual void list(const std::string& pattern, const std::function<bool(const FolderEntry&)>& visit) = 0;
};

// The folder a run starts in: the text exactly as typed, with a backslash
// appended when it does not end in one ("D:" becomes the root "D:\").
std::string startFolderOf(const std::string& typed);

// A listed entry that is indexed when its name matches a pattern: any file,
// hidden, system and read-only ones included; never a folder.
bool isIndexedEntry(const FolderEntry& entry);

// A listed entry that the walk enters: a folder that is neither hidden nor
// system, other than "." and "..".
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
    };

    FolderWalk(FolderLister& lister, Events& events) : lister_(lister), events_(events) {}

    // folder ends in a backslash. Each pattern is appended to it unchanged, so
    // a file that matches two patterns is found twice.
    void searchFolder(const std::string& folder, const std::vector<std::string>& patterns);

private:
    void findFiles(const std::string& folder, const std::string& pattern);
    std::vector<std::string> subFolders(const std::string& folder);

    FolderLister& lister_;
    Events& events_;
};

}  // namespace plk
