#include <gtest/gtest.h>

#include "app/SongPath.h"

namespace plk {
namespace {

TEST(Extension, IsTheTextFromTheLastDotOfTheName) {
    EXPECT_EQ(ExtensionOf("C:\\Music\\song.mp3"), ".mp3");
    EXPECT_EQ(ExtensionOf("C:\\Music\\song.mp3.wav"), ".wav");
    EXPECT_EQ(ExtensionOf("C:\\Music\\song."), ".");
    EXPECT_EQ(ExtensionOf("C:\\Music\\.mp3"), ".mp3");
}

TEST(Extension, DotsInFolderNamesAndDrivesDoNotCount) {
    EXPECT_EQ(ExtensionOf("C:\\mp3 songs.old\\track"), "");
    EXPECT_EQ(ExtensionOf("D:track"), "");
    EXPECT_EQ(ExtensionOf("a.b:track"), "");
    EXPECT_EQ(ExtensionOf(""), "");
}

TEST(Extension, Mp3InAnyLetterCase) {
    EXPECT_TRUE(IsMp3Path("C:\\Music\\song.mp3"));
    EXPECT_TRUE(IsMp3Path("C:\\Music\\song.Mp3"));
    EXPECT_TRUE(IsMp3Path("C:\\Music\\SONG.MP3"));
}

TEST(Extension, NotMp3) {
    EXPECT_FALSE(IsMp3Path("C:\\Music\\song.mp3.wav"));
    EXPECT_FALSE(IsMp3Path("C:\\Music\\mp3 songs\\track"));
    EXPECT_FALSE(IsMp3Path("C:\\Music\\song.mp33"));
    EXPECT_FALSE(IsMp3Path("C:\\Music\\songmp3"));
    EXPECT_FALSE(IsMp3Path("C:\\Music.mp3\\song"));
}

TEST(Extension, OnlyAsciiLettersAreUpperCased) {
    // 0xE9 (é in the Western code page) stays as it is.
    EXPECT_EQ(AsciiUpper("a\xe9z.mp3"), "A\xe9Z.MP3");
    EXPECT_FALSE(IsMp3Path("song.\xedp3"));
}

}  // namespace
}  // namespace plk
