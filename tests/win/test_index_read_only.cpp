// A read-only index still loads: the load only reads, so it opens the file
// for reading only, while still letting a rebuild write it. (As root under
// Wine the read-only attribute does not refuse writers; the end-to-end test
// makes the file immutable instead.)
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "library/IndexFile.h"
#include "system/Handles.h"
#include "tests/support/FolderTree.h"

namespace plk {
namespace {

class ReadOnlyIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = test::tempPath("plk-readonly-index.dat");
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        TLibraryRecord record{};
        record.setNumber(1);
        record.setPath("C:\\Music\\one.mp3");
        std::ofstream(path_, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(&record), sizeof record);
        ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
    }
    void TearDown() override {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path_.c_str());
    }
    std::string path_;
};

TEST_F(ReadOnlyIndexTest, LoadsWhileAnotherProgramAllowsOnlyReading) {
    // A reader that shares the file for reading only: any open that asks
    // for write access is refused, whatever the user's rights.
    const FileHandle reader(CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(reader);
    EXPECT_THROW(File(path_, File::Access::kReadWrite), FileError);
    TLibrary library;
    bool noLibrary = true;
    EXPECT_NO_THROW(reloadIndex(path_, library, noLibrary));
    EXPECT_FALSE(noLibrary);
    EXPECT_EQ(library.size(), 1u);
}

TEST_F(ReadOnlyIndexTest, LoadsAndSetsNoLibraryFalse) {
    TLibrary library;
    bool noLibrary = true;
    reloadIndex(path_, library, noLibrary);
    EXPECT_FALSE(noLibrary);
    ASSERT_EQ(library.size(), 1u);
    EXPECT_EQ(library[0].path(), "C:\\Music\\one.mp3");
}

TEST_F(ReadOnlyIndexTest, LoadSharesTheFileWithARunningWriter) {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    IndexWriter writer;
    writer.open(path_);
    TLibraryRecord record{};
    record.setPath("C:\\Music\\two.ogg");
    writer.append(record);
    TLibrary library;
    ASSERT_TRUE(loadIndex(path_, library));
    EXPECT_EQ(library.size(), 2u);
    writer.close();
}

}  // namespace
}  // namespace plk
