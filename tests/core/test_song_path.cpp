#include <gtest/gtest.h>

#include "app/SongPath.h"

namespace plk {
namespace {

TEST(Extension, IsTheTextFromTheLastDotOfTheName) {
    EXPECT_EQ(extensionOf("C:\\Music\\song.mp3"), ".mp3");
    EXPECT_EQ(extensionOf("C:\\Music\\song.mp3.wav"), ".wav");
    EXPECT_EQ(extensionOf("C:\\Music\\song."), ".");
    EXPECT_EQ(extensionOf("C:\\Music\\.mp3"), ".mp3");
}

TEST(Extension, DotsInFolderNamesAndDrivesDoNotCount) {
    EXPECT_EQ(extensionOf("C:\\mp3 songs.old\\track"), "");
    EXPECT_EQ(extensionOf("D:track"), "");
    EXPECT_EQ(extensionOf("a.b:track"), "");
    EXPECT_EQ(extensionOf(""), "");
}

TEST(Extension, Mp3InAnyLetterCase) {
    EXPECT_TRUE(isMp3Path("C:\\Music\\song.mp3"));
    EXPECT_TRUE(isMp3Path("C:\\Music\\song.Mp3"));
    EXPECT_TRUE(isMp3Path("C:\\Music\\SONG.MP3"));
}

TEST(Extension, NotMp3) {
    EXPECT_FALSE(isMp3Path("C:\\Music\\song.mp3.wav"));
    EXPECT_FALSE(isMp3Path("C:\\Music\\mp3 songs\\track"));
    EXPECT_FALSE(isMp3Path("C:\\Music\\song.mp33"));
    EXPECT_FALSE(isMp3Path("C:\\Music\\songmp3"));
    EXPECT_FALSE(isMp3Path("C:\\Music.mp3\\song"));
}

TEST(Extension, OnlyAsciiLettersAreUpperCased) {
    // 0xE9 (é in the Western code page) stays as it is.
    EXPECT_EQ(asciiUpper("a\xe9z.mp3"), "A\xe9Z.MP3");
    EXPECT_FALSE(isMp3Path("song.\xedp3"));
}

TEST(PlayablePath, ProgramsScriptsAndShortcutsInAnyLetterCaseAreNot) {
    for (const char* name : {"setup.exe", "uninstall.EXE", "run.bat", "run.Cmd", "a.vbs", "a.js", "a.msi",
                             "a.scr", "a.pif", "a.ps1", "Song.lnk", "radio.URL"})
        EXPECT_FALSE(isPlayablePath(std::string("C:\\Music\\") + name)) << name;
    // Windows drops dots and spaces at the end of a name: this opens setup.exe.
    EXPECT_FALSE(isPlayablePath("C:\\Music\\setup.exe. ."));
}

// A file without an extension gives the shell no type to go by: a program
// named so is run.
TEST(PlayablePath, NamesWithoutAnExtensionAreNot) {
    for (const char* path : {"C:\\Music\\track", "C:\\mp3 songs.old\\track", "D:track", "\\\\server\\share\\setup",
                             "C:\\Music\\setup.", "C:\\Music\\setup . .", "C:\\x.exe\\setup"})
        EXPECT_FALSE(isPlayablePath(path)) << path;
}

TEST(PlayablePath, PathsTheSystemWouldReadAsAnotherFileAreNot) {
    const char withNul[] = "C:\\Music\\setup.exe\0.mp3";
    EXPECT_FALSE(isPlayablePath(std::string(withNul, sizeof withNul - 1)));
    EXPECT_FALSE(isPlayablePath("C:\\Music\\setup.exe::$DATA"));
    EXPECT_FALSE(isPlayablePath("C:\\Music\\song.mp3:hidden"));
}

// The path Windows opens is judged, not the text as it stands.
TEST(PlayablePath, RecordsAndVerdicts) {
    // Types the shell runs, or hands to a host that runs them.
    for (const char* type : {"com", "CPL", "hta", "msc", "wsf", "wsh", "vbe", "jse", "ws", "scf", "jar", "reg", "msp",
                             "mst", "chm", "inf", "application", "appref-ms", "SettingContent-ms", "gadget", "xbap",
                             "psc1", "psm1", "psd1", "diagcab", "library-ms", "search-ms", "searchconnector-ms"})
        EXPECT_FALSE(isPlayablePath(std::string("C:\\x\\a.") + type)) << type;
    const struct { const char* path; bool playable; } records[] = {
        // Texts that Windows turns into setup.exe (or another name) before opening it.
        {"C:\\x\\setup.exe\\.", false}, {"C:\\x\\setup.exe\\sub\\..", false}, {"C:\\x\\setup.exe\\ . ", false},
        {"C:/x/setup.exe/.", false}, {"C:\\x/setup.exe", false}, {"C:\\x\\setup.exe \\", false},
        {"C:\\x\\\\setup.exe\\", false}, {"\\\\?\\C:\\x\\song.mp3", false}, {"C:\\x\\..\\song.mp3", false},
        {"", false},
        // Songs, also in folders and shares whose names look like programs.
        {"C:\\setup.exe\\song.ogg", true}, {"C:\\x.y\\..song.mp3", true}, {"\\\\server\\share\\a.comx", true},
        {"\\Music\\a.wma", true}, {"C:\\x\\a.mp3.", true}, {"C:\\x\\~song.m4a", true},
    };
    for (const auto& record : records) EXPECT_EQ(isPlayablePath(record.path), record.playable) << record.path;
}

TEST(PlayablePath, EverythingElseIsPlayed) {
    for (const char* path : {"C:\\Music\\song.mp3", "C:\\Music\\song.exe.mp3", "C:\\setup.exe\\track.ogg",
                             "D:song.wav", "\\\\server\\share\\a.jsx", "C:\\Music\\a.exe2",
                             "C:\\Music\\\xe9t\xe9.flac"})
        EXPECT_TRUE(isPlayablePath(path)) << path;
}

}  // namespace
}  // namespace plk
