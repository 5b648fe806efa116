// "Avoid repeats" against random play without it, 100,000 records, in the
// same run: a click's draw (with every file there, so that the draw alone is
// timed), and the reload of the library after a rebuild, the round carried
// over by path, against the index load alone.
//
//   bench_round [records]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/RandomPick.h"
#include "app/RoundPick.h"
#include "library/IndexFile.h"
#include "played/KeptRound.h"

namespace {

using Clock = std::chrono::steady_clock;
const int kRounds = 15;
const int kClicks = 20000;

// A rebuild's index: paths of the lengths a real library has; shift moves
// every song one record on and adds songs, as a rebuild that found new ones.
void writeIndex(const std::string& path, int count, int shift) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    plk::TLibraryRecord record{};
    for (int k = -shift; k < count - shift; ++k) {
        record.setNumber(k + shift + 1);
        const int song = k < 0 ? count + (-k) : k;  // the new songs first
        record.setPath("C:\\Users\\listener\\Music\\Artist " + std::to_string(song / 120) + "\\Album " +
                       std::to_string(song / 12) + "\\" + std::string(static_cast<std::size_t>(song % 97), 'n') +
                       " track " + std::to_string(song % 12 + 1) + ".mp3");
        out.write(reinterpret_cast<const char*>(&record), sizeof record);
    }
}

double seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

const plk::SongCheck kEveryFileThere = [](const std::string&) { return plk::FileCheck::kExists; };

std::uint32_t clockSeed() { return static_cast<std::uint32_t>(Clock::now().time_since_epoch().count()); }

// Today's click: the clock-seeded draw over the whole library.
double clicksToday(const plk::TLibrary& library) {
    std::size_t sum = 0;
    const auto start = Clock::now();
    for (int k = 0; k < kClicks; ++k) sum += plk::pickExistingSong(library, clockSeed, kEveryFileThere).record;
    const double time = seconds(start);
    if (sum == 1) std::abort();
    return time / kClicks;
}

// With "Avoid repeats": the draw among the unplayed, the song then marked
// opened in the round (its file's write is not the draw's, and is timed apart).
double clicksAvoiding(const plk::TLibrary& library, plk::SongRound& round) {
    std::size_t sum = 0;
    const auto start = Clock::now();
    for (int k = 0; k < kClicks; ++k) {
        const plk::SongPick pick = plk::pickUnplayedSong(library, round, clockSeed, kEveryFileThere);
        round.markOpened(pick.record);
        sum += pick.record;
    }
    const double time = seconds(start);
    if (sum == 1) std::abort();
    return time / kClicks;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::string base = "/tmp/plk-bench-round-" + std::to_string(getpid());
    const std::string before = base + "-before.dat", after = base + "-after.dat", played = base + "-played.dat";
    writeIndex(before, count, 0);
    writeIndex(after, count, count / 100);

    plk::TLibrary library;
    plk::loadIndex(before, library);
    std::vector<double> today, avoiding;
    plk::SongRound round;
    round.reset(library);
    for (int r = 0; r < kRounds; ++r) {  // interleaved, so drift hits both
        today.push_back(clicksToday(library));
        avoiding.push_back(clicksAvoiding(library, round));
    }

    // The file's append at a play, apart from the draw.
    plk::KeptRound kept(played);
    std::remove(played.c_str());
    kept.load(library);
    std::vector<double> appends;
    for (std::uint32_t k = 0; k < 200; ++k) {
        const auto start = Clock::now();
        kept.opened(library, k * 7);
        appends.push_back(seconds(start));
    }

    // Half a round played, then a rebuild's index comes in.
    round.reset(library);
    std::uint32_t seed = 1;
    for (int k = 0; k < count / 2; ++k) round.markOpened(round.draw(seed));
    std::vector<double> loads, reloads, copies, carries;
    std::size_t carried = 0;
    for (int r = 0; r < kRounds; ++r) {
        {
            plk::TLibrary fresh;
            const auto start = Clock::now();
            plk::loadIndex(after, fresh);
            loads.push_back(seconds(start));
        }
        plk::TLibrary old;
        plk::loadIndex(before, old);
        plk::SongRound carriedRound;
        carriedRound.carryOver(old, round.openedPaths(old));
        const auto start = Clock::now();
        const std::vector<std::uint64_t> songs = carriedRound.openedFingerprints();
        const double copied = seconds(start);
        plk::loadIndex(after, old);
        const double loaded = seconds(start);
        carriedRound.carryOver(old, songs);
        reloads.push_back(seconds(start));
        copies.push_back(copied);
        carries.push_back(reloads.back() - loaded);
        carried = carriedRound.openedCount();
    }
    std::remove(before.c_str());
    std::remove(after.c_str());
    std::remove(played.c_str());

    std::printf("Avoid repeats, %d records, median of %d rounds\n", count, kRounds);
    std::printf("  click's draw today            %8.3f us\n", median(today) * 1e6);
    std::printf("  click's draw, avoiding repeats %7.3f us\n", median(avoiding) * 1e6);
    std::printf("  plkplayed.dat append          %8.3f us (not part of the draw)\n", median(appends) * 1e6);
    std::printf("  index load alone              %8.3f ms\n", median(loads) * 1e3);
    std::printf("  reload with the round          %7.3f ms (%zu of %d played songs still listed)\n",
                median(reloads) * 1e3, carried, count / 2);
    std::printf("    of which the songs' fingerprints %5.3f ms, the round carried over %.3f ms\n", median(copies) * 1e3,
                median(carries) * 1e3);
    std::printf("  round's memory                %8.1f bytes a record\n",
                2.0 * sizeof(std::uint32_t) + sizeof(std::uint64_t));
    std::printf("result: click's draw avoiding repeats / today's draw = %.2f (target at most 1.5)\n",
                median(avoiding) / median(today));
    std::printf("result: reload after a rebuild, round carried over / index load alone = %.2f (target at most 1.5)\n",
                median(reloads) / median(loads));
    return 0;
}
