// The Windows directory listing behind the rebuild's walk.
#pragma once

#include "library/FolderWalk.h"

namespace plk {

// Lists with FindFirstFileW / FindNextFileW: wildcards '*' and '?', letters
// compared without regard to case, hidden, system and read-only entries
// included, long names as the file system stores them, with their 8.3 names
// where the volume keeps them.
class FindFileLister : public FolderLister {
public:
    std::optional<ListingError> list(const std::string& pattern,
                                     const std::function<bool(const FolderEntry&)>& visit) override;
    std::string shortPath(const std::string& folder) override;
    // The volume's serial number and the folder's file index, read from the
    // folder itself.
    std::optional<FolderIdentity> identity(const std::string& folder) override;
};

}  // namespace plk
