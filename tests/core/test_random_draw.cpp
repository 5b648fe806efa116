#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/RandomDraw.h"
#include "app/RandomPick.h"
#include "app/SongPath.h"

namespace plk {
namespace {

TEST(RandomDraw, GeneratorStepIsTheLinearCongruence) {
    EXPECT_EQ(nextSeed(0), 1u);
    EXPECT_EQ(nextSeed(1), 134775814u);
    // Wraps modulo 2^32: 0xFFFFFFFF × 134775813 + 1 ≡ −134775813 + 1.
    EXPECT_EQ(nextSeed(0xFFFFFFFFu), 0u - 134775813u + 1u);
}

TEST(RandomDraw, IndexIsTheUpperHalfOfSeedTimesCount) {
    std::uint32_t seed = 0;  // advances to 1: 1 × 10 >> 32 = 0
    EXPECT_EQ(drawIndex(seed, 10), 0u);
    EXPECT_EQ(seed, 1u);
    // A seed that advances to 0xFFFFFFFF gives the last index.
    std::uint32_t beforeTop = 0xFFFFFFFEu * 3645876429u;  // inverse step of 0xFFFFFFFF
    ASSERT_EQ(nextSeed(beforeTop), 0xFFFFFFFFu);
    EXPECT_EQ(drawIndex(beforeTop, 10), 9u);
}

TEST(RandomDraw, SameSeedSameIndex) {
    std::uint32_t a = 12345, b = 12345;
    EXPECT_EQ(drawIndex(a, 1000), drawIndex(b, 1000));
}

TLibrary makeLibrary(int count) {
    TLibrary library(count);
    for (int k = 0; k < count; ++k) {
        library[k] = TLibraryRecord{};
        library[k].setNumber(k + 1);
        library[k].setPath("C:\\Music\\song" + std::to_string(k) + ".mp3");
    }
    return library;
}

// A check from a plain yes or no: there is no root that fails.
SongCheck existsWhen(std::function<bool(const std::string&)> exists) {
    return [exists](const std::string& path) { return exists(path) ? FileCheck::kExists : FileCheck::kMissing; };
}

TEST(RandomPick, EveryRecordFirstAndLastIncludedCanBeDrawn) {
    const TLibrary library = makeLibrary(7);
    std::set<std::string> seen;
    std::uint32_t clock = 0;
    for (int k = 0; k < 2000; ++k) {
        const SongPick pick = pickExistingSong(library, [&] { return clock += 7919; },
                                               existsWhen([](const std::string&) { return true; }));
        ASSERT_TRUE(pick.found);
        EXPECT_EQ(pick.draws, 1);
        seen.insert(pick.path);
    }
    EXPECT_EQ(seen.size(), 7u);
    EXPECT_TRUE(seen.count(library.front().path()));
    EXPECT_TRUE(seen.count(library.back().path()));
}

TEST(RandomPick, DrawsAgainUntilAnExistingFileTurnsUp) {
    const TLibrary library = makeLibrary(50);
    const std::string only = library[31].path();
    std::uint32_t clock = 1;
    const SongPick pick = pickExistingSong(library, [&] { return clock *= 69069; },
                                           existsWhen([&](const std::string& path) { return path == only; }));
    ASSERT_TRUE(pick.found);
    EXPECT_EQ(pick.path, only);
    EXPECT_GE(pick.draws, 1);
}

TEST(RandomPick, AllFilesGoneStopsAtTheBound) {
    const TLibrary library = makeLibrary(3);
    int checks = 0;
    std::uint32_t clock = 0;
    const SongPick pick = pickExistingSong(library, [&] { return ++clock; },
                                           existsWhen([&](const std::string&) { ++checks; return false; }));
    EXPECT_FALSE(pick.found);
    EXPECT_TRUE(pick.path.empty());
    EXPECT_EQ(pick.draws, kMaxSongDraws);
    EXPECT_EQ(checks, kMaxSongDraws);
}

TEST(RandomPick, ProgramsAreDrawnOverAsVanishedFilesNeverAskedAbout) {
    TLibrary library = makeLibrary(3);
    library[0].setPath("C:\\Music\\setup.exe");
    library[2].setPath("C:\\Music\\Run.BAT");
    std::vector<std::string> asked;
    std::uint32_t clock = 0;
    for (int k = 0; k < 50; ++k) {
        const SongPick pick = pickExistingSong(library, [&] { return clock += 7919; },
                                               existsWhen([&](const std::string& path) { asked.push_back(path); return true; }));
        ASSERT_TRUE(pick.found);
        EXPECT_EQ(pick.path, library[1].path());
    }
    EXPECT_EQ(std::set<std::string>(asked.begin(), asked.end()), std::set<std::string>{library[1].path()});

    const TLibrary programs(1, library[0]);
    EXPECT_FALSE(pickExistingSong(programs, [&] { return ++clock; }, existsWhen([](const std::string&) { return true; })).found);
}

TEST(RandomPick, ReseedsBeforeEveryDraw) {
    const TLibrary library = makeLibrary(4);
    int seeds = 0;
    pickExistingSong(library, [&] { return std::uint32_t(++seeds); },
                     existsWhen([](const std::string&) { return false; }), 25);
    EXPECT_EQ(seeds, 25);
}

// A stand-in for a library spread over a local drive and a share that went
// offline: every look at the share is answered only after the network's
// time-out, counted here as looks.
class OfflineShare {
public:
    explicit OfflineShare(std::string root) : root_(std::move(root)) {}
    SongCheck check() {
        return [this](const std::string& path) {
            if (asciiUpper(path).rfind(root_, 0) == 0) {
                ++slowLooks;
                return FileCheck::kUnreachable;
            }
            return exists.count(path) ? FileCheck::kExists : FileCheck::kMissing;
        };
    }
    std::set<std::string> exists;
    int slowLooks = 0;

private:
    std::string root_;
};

TEST(RandomPick, AnUnreachableShareIsLookedAtOnceAClick) {
    TLibrary library = makeLibrary(40);
    // All but one record on the share, spelled as a rebuild or a hand might.
    for (int k = 0; k < 39; ++k)
        library[k].setPath((k % 2 ? "\\\\NAS\\Music\\" : "\\\\nas\\music\\") + std::to_string(k) + ".mp3");
    OfflineShare share("\\\\NAS\\MUSIC\\");
    share.exists.insert(library[39].path());
    std::uint32_t clock = 0;
    for (int click = 1; click <= 5; ++click) {
        const SongPick pick =
            pickExistingSong(library, [&] { return clock = clock * 1664525u + 1013904223u; }, share.check());
        ASSERT_TRUE(pick.found);
        EXPECT_EQ(pick.path, library[39].path());
        EXPECT_LE(share.slowLooks, click);
    }
    // Remembered within a click, not beyond it: the share may be back.
    EXPECT_GE(share.slowLooks, 2);
}

TEST(RandomPick, ALibraryWhollyOfflineGivesUpAfterOneLook) {
    TLibrary library = makeLibrary(5);
    for (int k = 0; k < 5; ++k) library[k].setPath("E:\\Music\\" + std::to_string(k) + ".mp3");
    OfflineShare drive("E:");
    std::uint32_t clock = 0;
    const SongPick pick = pickExistingSong(library, [&] { return ++clock; }, drive.check());
    EXPECT_FALSE(pick.found);
    EXPECT_EQ(pick.draws, kMaxSongDraws);
    EXPECT_EQ(drive.slowLooks, 1);
}

// Nor do files whose data is not here (online-only cloud files): the local
// ones beside them still play.
TEST(RandomPick, VanishedAndOfflineFilesDoNotCloseTheirDrive) {
    for (const FileCheck passedOver : {FileCheck::kMissing, FileCheck::kOffline}) {
        TLibrary library = makeLibrary(20);
        int looks = 0;
        std::uint32_t clock = 1;
        const std::string only = library[13].path();
        const SongPick pick = pickExistingSong(library, [&] { return clock *= 69069; }, [&](const std::string& path) {
            ++looks;
            return path == only ? FileCheck::kExists : passedOver;
        });
        ASSERT_TRUE(pick.found);
        EXPECT_EQ(pick.path, only);
        EXPECT_EQ(looks, pick.draws);
    }
}

}  // namespace
}  // namespace plk
