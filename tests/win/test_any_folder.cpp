// Folders named in any script, on any drive: how the program makes 8-bit
// paths of them, keeps its settings there, and looks for a song on a root
// that does not answer. Names in another script need a code page that
// cannot spell them (a Western one, as Wine's in the tests).
#include <gtest/gtest.h>

#include <windows.h>

#include "app/Settings.h"
#include "library/IndexFile.h"
#include "platform/FileAttributes.h"
#include "system/AnsiPath.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

// "Łukasz Plinketi", the surname in Cyrillic: no code page spells both.
const wchar_t kUserFolder[] = L"\u0141ukasz \u041f\u043b\u0438\u043d\u043a\u0435\u0442\u0438";

bool codePageSpells(const std::wstring& text) { return exactAnsiText(text).has_value(); }

TEST(AnsiPath, AFolderInAnotherScriptGoesByItsShortForm) {
    if (codePageSpells(kUserFolder)) GTEST_SKIP() << "this system's code page spells the name";
    // Not even a look-alike: 'L' for 'Ł' would name another folder.
    EXPECT_FALSE(exactAnsiText(L"\u0141ukasz"));
    test::TempTree tree;
    tree.wideFile(std::wstring(kUserFolder) + L"\\settings.ini");
    const std::wstring folder = wideFromCodePage(tree.root()) + kUserFolder + L"\\";
    const std::optional<std::string> reached = ansiPath(folder);
    ASSERT_TRUE(reached);
    EXPECT_EQ(reached->find('?'), std::string::npos) << *reached;
    EXPECT_TRUE(folderExists(*reached)) << *reached;
    EXPECT_TRUE(fileExists(*reached + "settings.ini")) << *reached;
    // A folder that is not there has no short form either.
    EXPECT_FALSE(ansiPath(wideFromCodePage(tree.root()) + L"\u0414\u043c\u0438\u0442\u0440\u0438\u0439\\"));
    EXPECT_NE(lossyAnsiText(kUserFolder).find('?'), std::string::npos);
}

TEST(AnsiPath, WhatTheCodePageCannotSpellBecomesNoLookAlike) {
    // A look-alike names another folder, or ends a quoted command early.
    const struct {
        const wchar_t* text;
        const char* lossy;
    } cases[] = {
        {L"C:\\Users\\\u0141ukasz\\", "C:\\Users\\?ukasz\\"},
        {L"C:\\\uff02x\uff02.exe", "C:\\?x?.exe"},
    };
    for (const auto& c : cases) {
        if (codePageSpells(c.text)) continue;
        EXPECT_EQ(lossyAnsiText(c.text), c.lossy);
    }
}

TEST(AnsiPath, SettingsWithoutAFileGiveDefaultsAndDropWrites) {
    // What the program uses when no 8-bit path reaches its folder.
    const TSettings settings{std::string()};
    EXPECT_NO_THROW(settings.writeInteger("schema", 3));
    EXPECT_EQ(settings.readInteger("schema", 0), 0);
    EXPECT_TRUE(settings.readBool("stayontop", true));
}

TEST(CheckFile, TellsAGoneFileFromARootThatDoesNotAnswer) {
    test::TempTree tree;
    const std::string song = tree.file("Album\\song.mp3");
    const struct {
        std::string path;
        FileCheck expected;
    } cases[] = {
        {song, FileCheck::kExists},
        {tree.root() + "Album\\gone.mp3", FileCheck::kMissing},
        {tree.root() + "Gone\\song.mp3", FileCheck::kMissing},
        {tree.root() + "Album", FileCheck::kMissing},
        {tree.root() + "Album\\???.mp3", FileCheck::kMissing},
        // A server that is not there: the network's answer, not the file's.
        {"\\\\plk-no-such-server\\music\\song.mp3", FileCheck::kUnreachable},
    };
    for (const auto& c : cases) EXPECT_EQ(checkFile(c.path), c.expected) << c.path << " error " << GetLastError();
}

TEST(HiddenIndex, AHiddenOrSystemIndexIsEmptiedKeepingItsAttributes) {
    test::TempTree tree;
    for (const DWORD attributes : {DWORD(FILE_ATTRIBUTE_HIDDEN), DWORD(FILE_ATTRIBUTE_SYSTEM),
                                   DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)}) {
        const std::string index = tree.file("plkindex.dat", std::vector<std::uint8_t>(520, 'x'));
        ASSERT_TRUE(SetFileAttributesA(index.c_str(), attributes));
        EXPECT_NO_THROW(IndexWriter::createEmpty(index)) << attributes;
        EXPECT_EQ(GetFileAttributesA(index.c_str()) & attributes, attributes);
        TLibrary library;
        EXPECT_TRUE(loadIndex(index, library));
        EXPECT_TRUE(library.empty());
        SetFileAttributesA(index.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    // A new index is created as before.
    EXPECT_NO_THROW(IndexWriter::createEmpty(tree.root() + "new.dat"));
    EXPECT_TRUE(fileExists(tree.root() + "new.dat"));
}

}  // namespace
}  // namespace plk
