// What random play makes of a path's attribute bits: a folder is no song, and
// a placeholder whose data is not here is passed over, its drive still open.
#include <gtest/gtest.h>

#include "platform/FileAttributes.h"

namespace plk {
namespace {

TEST(FileAttributes, PlaceholdersAndWhatIsOfflineOfThem) {
    const long archive = 0x20, sparse = 0x200, reparsePoint = 0x400, pinned = 0x80000, unpinned = 0x100000;
    const struct {
        const char* what;
        long attributes;
        bool placeholder;
        FileCheck check;
    } cases[] = {
        {"plain file", FileAttribute::kNormal, false, FileCheck::kExists},
        {"read-only, hidden, archived", FileAttribute::kReadOnly | FileAttribute::kHidden | archive, false,
         FileCheck::kExists},
        {"folder", FileAttribute::kDirectory, false, FileCheck::kMissing},
        {"downloaded cloud file, kept here", pinned | reparsePoint | archive, false, FileCheck::kExists},
        {"partly here: opened here, its data fetched as read", FileAttribute::kRecallOnDataAccess | sparse | archive,
         true, FileCheck::kExists},
        {"nothing here, unmarked: offline all the same", FileAttribute::kRecallOnOpen | archive, true,
         FileCheck::kOffline},
        {"in remote storage", FileAttribute::kOffline | archive, true, FileCheck::kOffline},
        {"OneDrive online-only", unpinned | FileAttribute::kRecallOnDataAccess | FileAttribute::kOffline |
                                     reparsePoint | sparse | archive,
         true, FileCheck::kOffline},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isPlaceholder(c.attributes), c.placeholder) << c.what;
        EXPECT_EQ(checkAttributes(c.attributes), c.check) << c.what;
    }
    EXPECT_FALSE(isPlaceholder(-1)) << "nothing there";
}

}  // namespace
}  // namespace plk
