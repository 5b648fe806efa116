// The path judged as Windows opens it: a short name by its long name, and the
// system's own list of dangerous types.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/SongPath.h"
#include "app/SongPathWin32.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

std::string shortPathOf(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return length && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

TEST(SongPathWin32, AShortNameIsJudgedByItsLongName) {
    test::TempTree tree;
    const std::string settings = shortPathOf(tree.file("Display settings.settingcontent-ms"));
    const std::string song = shortPathOf(tree.file("A long song title.mp3"));
    ASSERT_TRUE(isPlayablePath(settings)) << "the short name alone hides the type: " << settings;
    EXPECT_FALSE(isPlayableFile(settings)) << settings;
    EXPECT_TRUE(isPlayableFile(song)) << song;
    EXPECT_FALSE(isPlayableFile(tree.root() + "GONE~1.SET")) << "no long name: not judged, not played";
}

}  // namespace
}  // namespace plk
