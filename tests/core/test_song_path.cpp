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

TEST(PlayablePath, PathsTheSystemWouldReadAsAnotherFileAreNot) {
    const char withNul[] = "C:\\Music\\setup.exe\0.mp3";
    EXPECT_FALSE(isPlayablePath(std::string(withNul, sizeof withNul - 1)));
    EXPECT_FALSE(isPlayablePath("C:\\Music\\setup.exe::$DATA"));
    EXPECT_FALSE(isPlayablePath("C:\\Music\\song.mp3:hidden"));
}

// One record per line, with the verdict: the path Windows opens is judged,
// not the text as it stands.
TEST(PlayablePath, RecordsAndVerdicts) {
    const struct { const char* path; bool playable; } records[] = {
        // Types the shell runs, or hands to a host that runs them.
        {"C:\\Windows\\System32\\tree.com", false}, {"C:\\x\\desk.CPL", false}, {"C:\\x\\a.hta", false},
        {"C:\\x\\a.msc", false}, {"C:\\x\\a.wsf", false}, {"C:\\x\\a.wsh", false}, {"C:\\x\\a.vbe", false},
        {"C:\\x\\a.jse", false}, {"C:\\x\\a.ws", false}, {"C:\\x\\a.scf", false}, {"C:\\x\\a.jar", false},
        {"C:\\x\\a.reg", false}, {"C:\\x\\a.msp", false}, {"C:\\x\\a.mst", false}, {"C:\\x\\a.chm", false},
        {"C:\\x\\a.inf", false}, {"C:\\x\\a.application", false}, {"C:\\x\\a.appref-ms", false},
        {"C:\\x\\a.SettingContent-ms", false}, {"C:\\x\\a.gadget", false}, {"C:\\x\\a.xbap", false},
        {"C:\\x\\a.psc1", false}, {"C:\\x\\a.psm1", false}, {"C:\\x\\a.psd1", false},
        {"C:\\x\\a.diagcab", false}, {"C:\\x\\a.library-ms", false}, {"C:\\x\\a.search-ms", false},
        {"C:\\x\\a.searchconnector-ms", false},
        // Texts that Windows turns into setup.exe before opening it.
        {"C:\\x\\setup.exe\\.", false}, {"C:\\x\\setup.exe\\sub\\..", false}, {"C:\\x\\setup.exe\\ . ", false},
        {"C:/x/setup.exe/.", false}, {"C:\\x/setup.exe", false}, {"C:\\x\\setup.exe::$DATA", false},
        {"C:\\x\\setup.exe \\", false}, {"C:\\x\\\\setup.exe\\", false}, {"\\\\?\\C:\\x\\song.mp3", false},
        {"\\\\.\\C:\\x\\setup.exe\\.", false}, {"C:\\x\\..\\song.mp3", false}, {"", false},
        // Songs, also in folders and shares whose names look like programs.
        {"C:\\x\\song.mp3", true}, {"C:\\setup.exe\\song.ogg", true}, {"C:\\x.y\\..song.mp3", true},
        {"\\\\server\\share\\a.comx", true}, {"\\Music\\a.wma", true}, {"D:song.wav", true},
        {"C:\\x\\a.mp3.", true}, {"C:\\x\\~song.m4a", true},
    };
    for (const auto& record : records) EXPECT_EQ(isPlayablePath(record.path), record.playable) << record.path;
}

TEST(PlayablePath, EverythingElseIsPlayed) {
    for (const char* path : {"C:\\Music\\song.mp3", "C:\\Music\\song.exe.mp3", "C:\\setup.exe\\track.ogg",
                             "C:\\Music\\track", "D:song.wav", "\\\\server\\share\\a.jsx", "C:\\Music\\a.exe2",
                             "C:\\Music\\\xe9t\xe9.flac"})
        EXPECT_TRUE(isPlayablePath(path)) << path;
}

}  // namespace
}  // namespace plk
