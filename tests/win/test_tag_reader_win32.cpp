// The tag reader through the Win32 file layer, as the program uses it:
// attributes, sharing with a player that holds the song open, and a file
// another program holds exclusively.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system/Handles.h"
#include "tags/Id3v2Tag.h"
#include "tags/TagCodes.h"
#include "tests/support/FolderTree.h"

namespace plk {
namespace {

// A version 3 tag holding TIT2 "Title" and TPE1 "Artist", then some audio.
std::vector<unsigned char> smallTag() {
    std::vector<unsigned char> tag = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0};
    for (const auto& [id, text] : {std::pair<std::string, std::string>{"TIT2", "Title"}, {"TPE1", "Artist"}}) {
        tag.insert(tag.end(), id.begin(), id.end());
        tag.insert(tag.end(), {0, 0, 0, static_cast<unsigned char>(text.size() + 1), 0, 0, 0});
        tag.insert(tag.end(), text.begin(), text.end());
    }
    tag.resize(tag.size() + 60, 0);  // padding
    tag[9] = static_cast<unsigned char>(tag.size() - 10);  // below 128: one synchsafe byte
    tag.resize(tag.size() + 400, 0x55);  // audio
    return tag;
}

class TagReaderWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = test::tempPath("plk-tag-reader-test.mp3");
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        const std::vector<unsigned char> bytes = smallTag();
        KernelHandle file = open(GENERIC_WRITE, 0, CREATE_ALWAYS);
        ASSERT_TRUE(file);
        DWORD written = 0;
        WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        ASSERT_EQ(written, bytes.size());
    }
    void TearDown() override {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path_.c_str());
    }

    KernelHandle open(DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING) {
        const HANDLE file = CreateFileA(path_.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        return KernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
    }

    std::string path_;
    Tid3v2tag tag_;
};

TEST_F(TagReaderWin32, ReadsTitleAndArtist) {
    ASSERT_EQ(tag_.LoadFromFile(path_, 0), 0x0000);
    EXPECT_FALSE(tag_.readOnly());
    std::string text;
    EXPECT_EQ(tag_.GetTextFrame("TIT2", text), TextCode::kOk);
    EXPECT_EQ(text, "Title");
    EXPECT_EQ(tag_.GetTextFrame("TPE1", text), TextCode::kOk);
    EXPECT_EQ(text, "Artist");
}

TEST_F(TagReaderWin32, ReadOnlyHiddenOrSystemAttribute) {
    for (const DWORD attribute : {FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
        ASSERT_TRUE(SetFileAttributesA(path_.c_str(), attribute));
        EXPECT_EQ(tag_.LoadFromFile(path_, 0), 0x0000);
        EXPECT_TRUE(tag_.readOnly()) << attribute;
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(TagReaderWin32, ReadsWhileAPlayerHoldsTheFileOpen) {
    const KernelHandle player = open(GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(player);
    EXPECT_EQ(tag_.LoadFromFile(path_, 0), 0x0000);
}

TEST_F(TagReaderWin32, ExclusivelyHeldFileIsAnOpenFailure) {
    {
        const KernelHandle holder = open(GENERIC_READ, 0);
        ASSERT_TRUE(holder);
        EXPECT_EQ(tag_.LoadFromFile(path_, 0), 0x0100);
    }
    EXPECT_EQ(tag_.LoadFromFile(path_, 0), 0x0000);
    EXPECT_EQ(tag_.LoadFromFile(path_ + ".missing", 0), 0x0100);
}

}  // namespace
}  // namespace plk
