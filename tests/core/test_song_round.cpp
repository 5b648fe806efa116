#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "app/RandomDraw.h"
#include "app/RoundPick.h"
#include "played/KeptRound.h"
#include "played/PlayedFile.h"
#include "played/RecentSongs.h"

namespace plk {
namespace {

TLibrary libraryOf(const std::vector<std::string>& paths) {
    TLibrary library(paths.size());
    for (std::size_t k = 0; k < paths.size(); ++k) {
        library[k] = TLibraryRecord{};
        library[k].setNumber(static_cast<std::int32_t>(k + 1));
        library[k].setPath(paths[k]);
    }
    return library;
}

std::vector<std::string> songNames(int count) {
    std::vector<std::string> paths;
    for (int k = 0; k < count; ++k) paths.push_back("C:\\Music\\song" + std::to_string(k) + ".mp3");
    return paths;
}

PathList pathList(const std::vector<std::string>& paths) {
    PathList list;
    for (const std::string& path : paths) list.add(path);
    return list;
}

std::vector<std::string> strings(const PathList& list) {
    std::vector<std::string> paths;
    for (std::size_t k = 0; k < list.size(); ++k) paths.emplace_back(list[k]);
    return paths;
}

SongCheck existing(std::set<std::string> missing = {}) {
    return [missing](const std::string& path) { return missing.count(path) ? FileCheck::kMissing : FileCheck::kExists; };
}

// One click with "Avoid repeats": the song drawn, and opened.
std::string click(const TLibrary& library, SongRound& round, std::uint32_t& clock, const SongCheck& check) {
    const SongPick pick = pickUnplayedSong(library, round, [&] { return clock += 2654435761u; }, check);
    if (!pick.found) return std::string();
    round.markOpened(pick.record);
    return pick.path;
}

TEST(SongRound, EverySongOncePerRoundAndTheNextRoundBeginsElsewhere) {
    struct Case {
        const char* what;
        std::vector<std::string> library;
        std::set<std::string> missing;
        std::size_t songsPerRound;
    };
    const std::vector<std::string> five = songNames(5);
    const std::vector<Case> cases = {
        {"one song plays on every click", songNames(1), {}, 1},
        {"two songs take turns", songNames(2), {}, 2},
        {"five songs", five, {}, 5},
        {"a record listed twice is one song", {five[0], five[1], five[0], five[2], five[3], five[4], five[2]}, {}, 5},
        {"missing files are passed over", five, {five[1], five[3]}, 3},
        {"seventeen songs", songNames(17), {}, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TLibrary library = libraryOf(c.library);
        for (std::uint32_t clock = 1; clock < 60; clock += 7) {
            SongRound round;
            round.reset(library);
            std::string lastOfRound;
            for (int r = 0; r < 4; ++r) {
                std::set<std::string> played;
                for (std::size_t k = 0; k < c.songsPerRound; ++k) {
                    const std::string song = click(library, round, clock, existing(c.missing));
                    ASSERT_FALSE(song.empty());
                    EXPECT_FALSE(c.missing.count(song)) << song;
                    EXPECT_TRUE(played.insert(song).second) << song << " twice in round " << r;
                    if (k == 0 && c.songsPerRound > 1) {
                        EXPECT_NE(song, lastOfRound) << "round " << r;
                    }
                    lastOfRound = song;
                }
                EXPECT_EQ(round.openedCount(), c.songsPerRound);
            }
        }
    }
}

TEST(SongRound, ARebuildKeepsAddsAndDropsSongsByPath) {
    struct Case {
        const char* what;
        std::vector<std::string> before, opened, after;
        std::vector<std::string> openedAfter;  // oldest first
        std::uint32_t unplayedAfter;
    };
    const std::vector<std::string> s = songNames(8);
    const std::vector<Case> cases = {
        {"same library", {s[0], s[1], s[2]}, {s[2], s[0]}, {s[0], s[1], s[2]}, {s[2], s[0]}, 1},
        {"records moved", {s[0], s[1], s[2]}, {s[2], s[0]}, {s[2], s[1], s[0], s[3]}, {s[2], s[0]}, 2},
        {"a played song gone", {s[0], s[1], s[2]}, {s[1], s[2]}, {s[0], s[2], s[4]}, {s[2]}, 2},
        {"all played songs gone", {s[0], s[1]}, {s[0], s[1]}, {s[5], s[6]}, {}, 2},
        {"new songs only add", {s[0]}, {s[0]}, {s[0], s[1], s[2], s[3]}, {s[0]}, 3},
        {"a path listed twice after", {s[0], s[1]}, {s[1]}, {s[1], s[0], s[1]}, {s[1]}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TLibrary before = libraryOf(c.before);
        SongRound round;
        round.carryOver(before, pathList(c.opened));
        ASSERT_EQ(strings(round.openedPaths(before)), c.opened);
        const TLibrary after = libraryOf(c.after);
        round.carryOver(after, round.openedFingerprints());  // as a reload does
        EXPECT_EQ(strings(round.openedPaths(after)), c.openedAfter);
        EXPECT_EQ(round.unplayedCount(), c.unplayedAfter);
        // What is left to draw is exactly the unplayed.
        std::set<std::string> drawn;
        std::uint32_t clock = 5;
        for (std::uint32_t k = 0; k < c.unplayedAfter; ++k) drawn.insert(click(after, round, clock, existing()));
        for (const std::string& song : c.openedAfter) EXPECT_FALSE(drawn.count(song)) << song;
        EXPECT_EQ(drawn.size(), c.unplayedAfter);
    }
}

// The chi-square statistic of counts against equal chances.
double chiSquare(const std::vector<int>& counts, int draws) {
    const double expected = double(draws) / counts.size();
    double sum = 0;
    for (const int n : counts) sum += (n - expected) * (n - expected) / expected;
    return sum;
}

TEST(SongRound, TheDrawAmongTheUnplayedIsUniform) {
    // 0.1 % points of chi-square for 11 and 18 degrees of freedom.
    struct Case {
        const char* what;
        int opened;
        bool newRound;
        std::size_t candidates;
        double bound;
    };
    const std::vector<Case> cases = {
        {"12 unplayed of 20", 8, false, 12, 31.26},
        {"a new round of 20 without the last song", 20, true, 19, 42.31},
    };
    const TLibrary library = libraryOf(songNames(20));
    const int kDraws = 120000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SongRound round;
        round.reset(library);
        for (int k = 0; k < c.opened; ++k) round.markOpened(static_cast<std::uint32_t>((k * 7) % 20));
        const std::uint32_t last = round.lastOpened();
        if (c.newRound) round.beginNewRound();
        std::mt19937 clock(20240601u);
        std::vector<int> byRecord(20), skewed(c.candidates);
        for (int k = 0; k < kDraws; ++k) {
            const std::uint32_t seed = clock();
            std::uint32_t s = seed;
            ++byRecord[round.draw(s)];
            // A draw biased towards one song: an index over one more than
            // there are, the extra folded onto the last.
            s = seed;
            ++skewed[std::min<std::size_t>(drawIndex(s, std::uint32_t(c.candidates + 1)), c.candidates - 1)];
        }
        std::vector<int> unplayed;
        std::copy_if(byRecord.begin(), byRecord.end(), std::back_inserter(unplayed), [](int n) { return n > 0; });
        EXPECT_EQ(unplayed.size(), c.candidates) << "only the unplayed are drawn, each of them";
        if (c.newRound) {
            EXPECT_EQ(byRecord[last], 0) << "the last round's last song";
        }
        EXPECT_LT(chiSquare(unplayed, kDraws), c.bound);
        EXPECT_GT(chiSquare(skewed, kDraws), c.bound) << "the bound lets a biased draw through";
    }
}

class PlayedFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/plk-played-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        path_ = folder_ + "/" + kPlayedFileName;
    }
    void TearDown() override {
        std::remove(path_.c_str());
        rmdir(folder_.c_str());
    }
    void write(const std::string& bytes) { std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes; }
    std::string readBack() {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::string record(const std::string& path, char tail = '\0') {
        TLibraryRecord r{};
        std::memset(&r, tail, sizeof r);
        r.setNumber(1);
        r.setPath(path);
        return std::string(reinterpret_cast<const char*>(&r), sizeof r);
    }
    std::vector<std::string> readPaths() {
        std::vector<std::string> paths;
        for (const TLibraryRecord& r : readPlayedFile(path_)) paths.push_back(r.path());
        return paths;
    }

    std::string folder_, path_;
};

TEST_F(PlayedFileTest, IsReadAsFarAsItIsSound) {
    const std::string a = "C:\\Music\\a.mp3", b = "\\\\server\\share\\b.ogg", c = "music\\c.wav";
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> paths;
    };
    const std::vector<Case> cases = {
        {"empty: nothing played yet", "", {}},
        {"whole records, tails of longer paths ignored", record(a, 'x') + record(b) + record(c, '\\'), {a, b, c}},
        {"a fragment at the end", record(a) + record(b) + std::string(100, 'z'), {a, b}},
        {"a record of length 0 ends it", record(a) + record("") + record(b), {a}},
        {"a control character", record(a) + record("C:\\Music\\t\tb.mp3") + record(b), {a}},
        {"a character Windows refuses", record(a) + record("C:\\Music\\what?.mp3"), {a}},
        {"no folder before the name", record("song.mp3") + record(a), {}},
        {"a foreign file", std::string("[General]\r\nschema=2\r\n") + std::string(300, ' '), {}},
        {"zeros", std::string(520, '\0'), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write(c.bytes);
        EXPECT_EQ(readPaths(), c.paths);
    }
    std::remove(path_.c_str());
    EXPECT_EQ(readPaths(), std::vector<std::string>()) << "no file at all";
}

TEST_F(PlayedFileTest, TheRoundIsWrittenInPlaceAndTakenUpAgain) {
    const std::vector<std::string> s = songNames(3);
    const TLibrary library = libraryOf(s);
    write("");
    struct stat before{};
    ASSERT_EQ(stat(path_.c_str(), &before), 0);
    {
        KeptRound kept(path_);
        EXPECT_EQ(kept.load(library).size(), 0u) << "an empty file: nothing played";
        kept.opened(library, 2);
        kept.opened(library, 0);
    }
    ASSERT_EQ(readPaths(), (std::vector<std::string>{s[2], s[0]}));
    EXPECT_EQ(readBack().substr(0, sizeof(TLibraryRecord)),
              std::string(reinterpret_cast<const char*>(&library[2]), sizeof(TLibraryRecord)))
        << "the index's own record";
    // A damaged tail is cut off at the next song.
    std::ofstream(path_, std::ios::binary | std::ios::app) << std::string(77, '?');
    KeptRound kept(path_);
    EXPECT_EQ(strings(kept.load(library)), (std::vector<std::string>{s[2], s[0]}));
    EXPECT_EQ(kept.round().unplayedCount(), 1u);
    kept.opened(library, 1);
    EXPECT_EQ(readPaths(), (std::vector<std::string>{s[2], s[0], s[1]}));
    EXPECT_EQ(readBack().size(), 3 * sizeof(TLibraryRecord));
    // The round is over; the next one's first song empties the file.
    ASSERT_TRUE(kept.round().over());
    kept.round().beginNewRound();
    std::uint32_t seed = 9;
    const std::uint32_t first = kept.round().draw(seed);
    EXPECT_NE(first, 1u) << "the last song again";
    kept.opened(library, first);
    EXPECT_EQ(readPaths(), std::vector<std::string>{s[first]});
    struct stat after{};
    ASSERT_EQ(stat(path_.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, not a new one";
}

TEST_F(PlayedFileTest, AFileThatCannotBeWrittenLeavesTheRoundInMemory) {
    const TLibrary library = libraryOf(songNames(2));
    KeptRound kept(folder_ + "/no such folder/" + kPlayedFileName);
    kept.load(library);
    EXPECT_THROW(kept.opened(library, 1), FileError);
    EXPECT_EQ(kept.round().lastOpened(), 1u);
    std::uint32_t seed = 3;
    EXPECT_EQ(kept.round().draw(seed), 0u) << "the song stays played";
}

TEST(RecentSongs, NewestFirstEachSongOnceAtMostTen) {
    RecentSongs recent;
    for (int k = 0; k < 12; ++k) recent.add("C:\\s" + std::to_string(k), L"song " + std::to_wstring(k));
    ASSERT_EQ(recent.songs().size(), 10u);
    EXPECT_EQ(recent.songs().front().path, "C:\\s11");
    EXPECT_EQ(recent.songs().back().path, "C:\\s2");
    recent.add("C:\\s5", L"again");
    ASSERT_EQ(recent.songs().size(), 10u);
    EXPECT_EQ(recent.songs()[0].path, "C:\\s5");
    EXPECT_EQ(recent.songs()[0].caption, L"again");
    EXPECT_EQ(recent.songs()[1].path, "C:\\s11");
    int fives = 0;
    for (const RecentSong& song : recent.songs()) fives += song.path == "C:\\s5";
    EXPECT_EQ(fives, 1);

    RecentSongs readBack;
    readBack.add("C:\\now", L"now");
    readBack.readBack(pathList({"C:\\a", "C:\\b", "C:\\now", "C:\\c", "C:\\b"}));
    std::vector<std::string> order;
    for (const RecentSong& song : readBack.songs()) order.push_back(song.path);
    EXPECT_EQ(order, (std::vector<std::string>{"C:\\now", "C:\\b", "C:\\c", "C:\\a"}));
    EXPECT_TRUE(readBack.songs()[1].caption.empty());
}

TEST(RecentSongs, ItemText) {
    const std::wstring sixty(60, L'x');
    std::wstring pair = std::wstring(58, L'y');
    pair += wchar_t(0xD83C);
    pair += wchar_t(0xDFB5);
    pair += L"zz";
    const struct {
        std::wstring caption, text;
    } cases[] = {
        {songCaption(L"Title", L"Artist"), L"Title \u2014 Artist"},
        {fileCaption(L"C:\\Music\\Rock & Roll.flac"), L"Rock && Roll.flac"},
        {L"A\tB\r\n", L"A B  "},
        {sixty, sixty},
        {sixty + L"x", std::wstring(59, L'x') + L"\u2026"},
        {pair, std::wstring(58, L'y') + L"\u2026"},
    };
    for (const auto& c : cases) EXPECT_EQ(menuItemText(c.caption), c.text);
}

}  // namespace
}  // namespace plk
