// The rebuild's worker on real folder trees: what it writes to the index, in
// which order, and how a stop, a pause and a failure end a run.
#include "library/SearchThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "system/Handles.h"
#include "tests/support/FolderTree.h"
#include "tests/win/TestSupport.h"

namespace plk {
namespace {

using test::IndexEntry;
using test::paths;
using test::pumpUntil;

const std::vector<std::string> kDefaultPatterns{"*.mp3", "*.wmv", "*.flac", "*.ogg"};

// The dialog's part, writing the records into the index as the dialog does.
class Steps : public SearchObserver {
public:
    void showFolder(const std::string& folder) override { folders.push_back(folder); }
    void writeRecord(const TLibraryRecord& record, std::int32_t fileCount) override {
        if (failWrites) throw FileError(FileError::Kind::kIo, "There is not enough space on the disk.");
        writer.append(record);
        count = fileCount;
        if (onFile) onFile(fileCount);
    }
    void searchDone(const SearchResult& result) override {
        done.push_back(result.fileCount);
        ends.push_back(result.end);
    }
    void searchFailed(const std::string& message) override { failures.push_back(message); }
    void folderLost(const std::string& folder, const std::string& message) override {
        failures.push_back(folder + ": " + message);
    }
    void searchEnded(const TSearchThread*) override { ended = true; }

    IndexWriter writer;
    bool failWrites = false;
    std::vector<std::string> folders;
    std::int32_t count = 0;
    std::vector<std::int32_t> done;
    std::vector<SearchEnd> ends;
    std::vector<std::string> failures;
    bool ended = false;
    std::function<void(std::int32_t)> onFile;
};

class SearchThreadTest : public ::testing::Test {
protected:
    SearchThreadTest() : index(tree.root() + "plkindex.dat") { emptyIndex(); }

    void emptyIndex() {
        steps.writer.close();
        IndexWriter::createEmpty(index);
        steps.writer.open(index);
    }

    void start(const std::string& folder, const std::vector<std::string>& patterns,
               std::size_t maxRecords = kMaxIndexRecords) {
        worker = std::make_unique<TSearchThread>(SearchSettings{index, folder, patterns, maxRecords}, steps, gui);
    }
    // Runs a whole search of folder and returns the paths it indexed.
    std::vector<std::string> search(const std::string& folder, const std::vector<std::string>& patterns,
                                    std::size_t maxRecords = kMaxIndexRecords) {
        start(folder, patterns, maxRecords);
        EXPECT_TRUE(pumpUntil([&] { return steps.ended; }));
        return paths(test::readIndexFile(index));
    }

    test::TempTree tree;
    test::TempTree music;
    std::string index;
    GuiThreadCall gui;
    Steps steps;
    std::unique_ptr<TSearchThread> worker;
};

TEST_F(SearchThreadTest, IndexesDepthFirstOwnFilesByPatternBeforeSubFolders) {
    const std::string& m = music.root();
    music.file("a.ogg");
    music.file("b.mp3");
    music.file("c.flac");
    music.file("d.WMV");
    music.file("readme.txt");
    music.file("Sub\\e.mp3");
    music.file("Sub\\Deeper\\f.ogg");
    music.file("Sub\\Deeper\\g.txt");
    EXPECT_EQ(search(m, kDefaultPatterns),
              (std::vector<std::string>{m + "b.mp3", m + "d.WMV", m + "c.flac", m + "a.ogg", m + "Sub\\e.mp3",
                                        m + "Sub\\Deeper\\f.ogg"}));
    EXPECT_EQ(steps.folders, (std::vector<std::string>{m, m + "Sub\\", m + "Sub\\Deeper\\"}));
    EXPECT_EQ(steps.done, std::vector<std::int32_t>{6});
    EXPECT_EQ(steps.count, 6);
}

TEST_F(SearchThreadTest, RecordsAreNumberedFromOneAndKeepTheStaleTail) {
    const std::string& m = music.root();
    music.file("a-long-name-first.mp3");
    music.file("Sub\\b.ogg");
    start(m, kDefaultPatterns);
    ASSERT_TRUE(pumpUntil([&] { return steps.ended; }));
    const std::vector<IndexEntry> entries = test::readIndexFile(index);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (IndexEntry{1, m + "a-long-name-first.mp3"}));
    EXPECT_EQ(entries[1], (IndexEntry{2, m + "Sub\\b.ogg"}));
    // The writer reuses one record: the bytes after the shorter second path
    // are the tail of the first.
    TLibrary raw;
    loadIndex(index, raw);
    const std::string first = m + "a-long-name-first.mp3";
    const std::string second = m + "Sub\\b.ogg";
    EXPECT_EQ(std::string(raw[1].Path.chars + second.size(), first.size() - second.size()),
              first.substr(second.size()));
}

TEST_F(SearchThreadTest, EveryFolderIsOneBlockWithItsOwnFilesFirst) {
    const std::string& m = music.root();
    for (const char* folder : {"A", "B", "C", "A\\X", "A\\Y", "B\\Z"}) {
        music.file(std::string(folder) + "\\1.mp3");
        music.file(std::string(folder) + "\\2.ogg");
    }
    const std::vector<std::string> paths = search(m, kDefaultPatterns);
    ASSERT_EQ(paths.size(), 12u);
    for (const char* folder : {"A\\", "B\\", "C\\", "A\\X\\", "A\\Y\\", "B\\Z\\"}) {
        const std::string prefix = m + folder;
        const auto inside = [&](const std::string& p) { return p.compare(0, prefix.size(), prefix) == 0; };
        const auto first = std::find_if(paths.begin(), paths.end(), inside);
        const auto end = std::find_if_not(first, paths.end(), inside);
        EXPECT_EQ(std::count_if(end, paths.end(), inside), 0) << folder << " is not one block";
        // The folder's own files open its block, the .mp3 before the .ogg.
        ASSERT_GE(end - first, 2);
        EXPECT_EQ(first[0], prefix + "1.mp3");
        EXPECT_EQ(first[1], prefix + "2.ogg");
    }
}

TEST_F(SearchThreadTest, HiddenAndSystemFilesAreIndexedButSuchFoldersAreSkipped) {
    const std::string& m = music.root();
    music.file("hidden.mp3", FILE_ATTRIBUTE_HIDDEN);
    music.file("system.mp3", FILE_ATTRIBUTE_SYSTEM);
    music.file("readonly.mp3", FILE_ATTRIBUTE_READONLY);
    music.file("Secret\\s.mp3");
    music.folder("Secret", FILE_ATTRIBUTE_HIDDEN);
    music.file("Sys\\y.mp3");
    music.folder("Sys", FILE_ATTRIBUTE_SYSTEM);
    std::vector<std::string> paths = search(m, {"*.mp3"});
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{m + "hidden.mp3", m + "readonly.mp3", m + "system.mp3"}));
}

TEST_F(SearchThreadTest, AHiddenStartFolderIsStillSearched) {
    const std::string start = music.folder("Hidden", FILE_ATTRIBUTE_HIDDEN);
    music.file("Hidden\\h.mp3");
    EXPECT_EQ(search(start, {"*.mp3"}), std::vector<std::string>{start + "h.mp3"});
}

TEST_F(SearchThreadTest, AFolderNamedLikeMusicIsEnteredNotIndexed) {
    const std::string& m = music.root();
    music.file("Album.mp3\\track.mp3");
    EXPECT_EQ(search(m, {"*.mp3"}), std::vector<std::string>{m + "Album.mp3\\track.mp3"});
}

TEST_F(SearchThreadTest, AnAllFilesPatternIndexesMusicTwice) {
    const std::string& m = music.root();
    music.file("song.mp3");
    music.file("notes.txt");
    std::vector<std::string> patterns = kDefaultPatterns;
    patterns.push_back("*.*");
    std::vector<std::string> paths = search(m, patterns);
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_EQ(paths[0], m + "song.mp3");
    std::sort(paths.begin() + 1, paths.end());
    EXPECT_EQ(paths[1], m + "notes.txt");
    EXPECT_EQ(paths[2], m + "song.mp3");
}

TEST_F(SearchThreadTest, AnEmptyPatternListGivesAnEmptyIndexAndCompletes) {
    music.file("song.mp3");
    EXPECT_TRUE(search(music.root(), {}).empty());
    EXPECT_EQ(steps.done, std::vector<std::int32_t>{0});
}

bool opensForReading(const std::string& path) {
    return bool(FileHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)));
}

TEST_F(SearchThreadTest, APathOverTwoHundredFiftyFiveCharactersIsStoredByItsShortForm) {
    // Four folders with long names put the deepest one beyond what a record
    // (and the ANSI listing) takes; it is listed and stored by its short form.
    const std::string part(60, 'f');
    const std::string deep = part + "\\" + part + "\\" + part + "\\" + part + "\\";
    music.wideFile(std::wstring(deep.begin(), deep.end()) + L"song.mp3");
    const std::vector<std::string> paths = search(music.root(), {"*.mp3"});
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_LE(paths[0].size(), 255u);
    EXPECT_TRUE(opensForReading(paths[0])) << paths[0];
    EXPECT_EQ(steps.folders.back(), music.root() + deep);
}

TEST_F(SearchThreadTest, NamesTheCodePageCannotSpellGoByTheirShortNames) {
    BOOL unspellable = FALSE;
    char spelled[16];
    WideCharToMultiByte(CP_ACP, 0, L"\u66f2", 1, spelled, sizeof spelled, nullptr, &unspellable);
    if (!unspellable) GTEST_SKIP() << "this system's code page spells the names";
    const std::string& m = music.root();
    // A song named in kanji and katakana ("kyoku tesuto.mp3") beside a plain
    // name, and again in a folder named in katakana ("foruda").
    music.file("plain.mp3");
    music.wideFile(L"\u66f2 \u30c6\u30b9\u30c8.mp3");
    music.wideFile(L"\u30d5\u30a9\u30eb\u30c0\\\u66f2 \u30c6\u30b9\u30c8.mp3");
    const std::vector<std::string> paths = search(m, {"*.mp3"});
    ASSERT_EQ(paths.size(), 3u);
    // A name that was playable is kept as it was.
    EXPECT_EQ(std::count(paths.begin(), paths.begin() + 2, m + "plain.mp3"), 1);
    ASSERT_EQ(steps.folders.size(), 2u);
    const std::string& folder = steps.folders[1];
    EXPECT_EQ(folder.find('?'), std::string::npos) << folder;
    EXPECT_EQ(paths[2].compare(0, folder.size(), folder), 0) << paths[2];
    for (const std::string& path : paths) {
        EXPECT_EQ(path.find('?'), std::string::npos) << path;
        EXPECT_TRUE(opensForReading(path)) << path;
    }
}

TEST_F(SearchThreadTest, ARunEndsAtTheIndexLimitKeepingTheFirstRecords) {
    const std::string& m = music.root();
    music.file("1.mp3");
    music.file("2.mp3");
    music.file("Sub\\3.mp3");
    music.file("Sub\\Later\\4.mp3");
    // Exactly as many files as the index takes: nothing is left out.
    EXPECT_EQ(search(m, {"*.mp3"}, 4).size(), 4u);
    EXPECT_EQ(steps.ends, std::vector<SearchEnd>{SearchEnd::kComplete});

    worker.reset();
    steps.done.clear();
    steps.ends.clear();
    steps.folders.clear();
    steps.ended = false;
    emptyIndex();
    std::vector<std::string> kept = search(m, {"*.mp3"}, 2);
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{m + "1.mp3", m + "2.mp3"}));
    EXPECT_EQ(steps.done, std::vector<std::int32_t>{2});
    EXPECT_EQ(steps.ends, std::vector<SearchEnd>{SearchEnd::kIndexFull});
    // The third file ends the walk: no folder after it is entered.
    EXPECT_EQ(steps.folders, (std::vector<std::string>{m, m + "Sub\\"}));
}

TEST_F(SearchThreadTest, ADriveRootIsSearchedFromItsBackslash) {
    // The system drive's root, with a pattern that only this test's files match.
    const std::string pattern = "*.plk" + std::to_string(GetCurrentProcessId());
    const std::string top = "C:\\root" + pattern.substr(1);
    const std::string deep = "C:\\plk-root-test\\deep" + pattern.substr(1);
    CreateDirectoryA("C:\\plk-root-test", nullptr);
    CloseHandle(CreateFileA(top.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    CloseHandle(CreateFileA(deep.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::vector<std::string> paths = search("C:\\", {pattern});
    DeleteFileA(deep.c_str());
    RemoveDirectoryA("C:\\plk-root-test");
    DeleteFileA(top.c_str());
    EXPECT_EQ(paths, (std::vector<std::string>{top, deep}));
}

TEST_F(SearchThreadTest, StopInALargeFolderFinishesItAndEntersNoOther) {
    for (int i = 0; i < 300; ++i) music.file("Big\\" + std::to_string(i) + ".mp3");
    music.file("Big\\Later\\never.mp3");
    steps.onFile = [&](std::int32_t count) {
        if (count == 5) worker->Terminate();
    };
    start(music.root() + "Big\\", {"*.mp3"});
    ASSERT_TRUE(pumpUntil([&] { return steps.ended; }));
    const std::vector<IndexEntry> entries = test::readIndexFile(index);
    EXPECT_EQ(static_cast<std::int32_t>(entries.size()), steps.count);
    EXPECT_EQ(entries.size(), 300u);
    EXPECT_TRUE(steps.done.empty());
    for (const IndexEntry& entry : entries) EXPECT_EQ(entry.path.find("never"), std::string::npos);
}

TEST_F(SearchThreadTest, FoldersThatGoOrCannotBeReadDuringTheWalkAreSkippedSilently) {
    const std::string& m = music.root();
    music.file("top.mp3");
    music.file("Kept\\k.mp3");
    music.file("Gone\\g.mp3");
    music.file("Gone\\Inner\\gi.mp3");
    music.file("Moved\\m.mp3");
    music.file("Locked\\l.mp3");
    // Held at the first sub-folder's entry: the start folder's sub-folders
    // are listed by then, and none of them has been searched yet.
    KernelHandle lock;
    int entered = 0;
    setSearchStepHookForTesting([&](SearchStep step) {
        if (step != SearchStep::kShowFolder || ++entered != 2) return;
        test::removeFolderTree(m + "Gone\\");
        MoveFileA((m + "Moved").c_str(), (m + "Renamed").c_str());
        // Opened without sharing, a folder cannot be listed, as one the user may not read.
        lock.reset(CreateFileA((m + "Locked").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    });
    start(m, {"*.mp3"});
    setSearchStepHookForTesting(nullptr);  // the worker keeps its own copy
    ASSERT_TRUE(pumpUntil([&] { return steps.ended; }));
    WIN32_FIND_DATAA found;
    ASSERT_FALSE(FindHandle(FindFirstFileA((m + "Locked\\*").c_str(), &found))) << "the folder is readable";
    const std::vector<IndexEntry> entries = test::readIndexFile(index);
    EXPECT_EQ(entries, (std::vector<IndexEntry>{{1, m + "top.mp3"}, {2, m + "Kept\\k.mp3"}}));
    EXPECT_EQ(steps.done, std::vector<std::int32_t>{2});
    EXPECT_TRUE(steps.failures.empty());
}

TEST_F(SearchThreadTest, APausedWorkerTakesNoStepUntilResumed) {
    for (int i = 0; i < 50; ++i) music.file(std::to_string(i) + ".mp3");
    steps.onFile = [&](std::int32_t count) {
        if (count == 3) worker->pause();
    };
    start(music.root(), {"*.mp3"});
    ASSERT_TRUE(pumpUntil([&] { return steps.count >= 3; }));
    test::pumpFor(300);
    EXPECT_EQ(steps.count, 3);
    EXPECT_EQ(test::readIndexFile(index).size(), 3u);
    worker->resume();
    ASSERT_TRUE(pumpUntil([&] { return steps.ended; }));
    EXPECT_EQ(steps.done, std::vector<std::int32_t>{50});
}

TEST_F(SearchThreadTest, AbandonedWorkerWritesNothingMoreAndEndsAtOnce) {
    for (int i = 0; i < 200; ++i) music.file(std::to_string(i) + ".mp3");
    steps.onFile = [&](std::int32_t count) {
        if (count == 10) worker->abandon();
    };
    start(music.root(), {"*.mp3"});
    ASSERT_TRUE(pumpUntil([&] { return steps.ended; }));
    EXPECT_EQ(test::readIndexFile(index).size(), 10u);
    EXPECT_EQ(steps.count, 10);
    EXPECT_TRUE(steps.done.empty());
    EXPECT_TRUE(steps.failures.empty());
}

TEST_F(SearchThreadTest, AFailedWriteEndsTheRunWithAFailure) {
    music.file("song.mp3");
    music.file("Sub\\later.mp3");
    steps.failWrites = true;
    start(music.root(), {"*.mp3"});
    ASSERT_TRUE(pumpUntil([&] { return steps.ended; }));
    EXPECT_EQ(steps.failures, std::vector<std::string>{"There is not enough space on the disk."});
    EXPECT_TRUE(steps.done.empty());
    EXPECT_EQ(steps.folders, std::vector<std::string>{music.root()});
}

TEST_F(SearchThreadTest, DestroyingARunningWorkerEndsItWithWholeRecords) {
    for (int i = 0; i < 300; ++i) music.file(std::to_string(i) + ".mp3");
    start(music.root(), {"*.mp3"});
    ASSERT_TRUE(pumpUntil([&] { return steps.count >= 20; }));
    worker.reset();  // returns: the worker ended
    const std::vector<IndexEntry> entries = test::readIndexFile(index);
    ASSERT_GE(entries.size(), 20u);
    EXPECT_LT(entries.size(), 300u);
    for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_EQ(entries[i].number, static_cast<std::int32_t>(i + 1));
}

}  // namespace
}  // namespace plk
