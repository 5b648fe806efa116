#include "app/PathRoot.h"

#include <gtest/gtest.h>

namespace plk {
namespace {

TEST(PathRoot, DriveOrShareWhateverTheSpelling) {
    const struct {
        const char* path;
        const char* root;
    } cases[] = {
        {"C:\\Music\\a.mp3", "C:"},
        {"c:\\Music\\a.mp3", "C:"},
        {"d:song.mp3", "D:"},
        {"\\\\nas\\music\\a.mp3", "\\\\NAS\\MUSIC"},
        {"\\\\NAS\\Music\\Sub\\a.mp3", "\\\\NAS\\MUSIC"},
        {"\\\\nas\\other\\a.mp3", "\\\\NAS\\OTHER"},
        {"\\\\nas", "\\\\NAS"},
        {"\\\\?\\C:\\Music\\a.mp3", "C:"},
        {"\\\\?\\UNC\\nas\\music\\a.mp3", "\\\\NAS\\MUSIC"},
        {"\\\\.\\E:\\a.mp3", "E:"},
        {"\\Music\\a.mp3", ""},
        {"Music\\a.mp3", ""},
        {"1:\\a.mp3", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(pathRoot(c.path), c.root) << c.path;
}

}  // namespace
}  // namespace plk
