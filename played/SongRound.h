// The round of "Avoid repeats": which songs of the library have been opened
// since the round began, and a uniform draw among the rest in constant time.
//
// The songs are the library's distinct paths (a file that matched two of a
// rebuild's patterns is one song). One array holds their record positions
// in three parts: the unplayed, then those passed over (their file was not
// there), then those opened, newest first. A second array gives each record
// its place in the first. Drawing takes an index into the unplayed part;
// opening or passing a song over swaps it out of that part. Eight bytes a
// record, and no scan of the library; with the paths' fingerprints that
// carry the round over to a reloaded library, sixteen.
#pragma once

#include <cstdint>
#include <vector>

#include "library/IndexFile.h"
#include "played/PathFingerprints.h"
#include "played/PathList.h"

namespace plk {

class SongRound {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    // A round over library in which nothing is played yet; every earlier
    // song forgotten.
    void reset(const TLibrary& library);
    // A round over library in which the songs of opened (oldest first) that
    // it still lists are opened, in that order; the rest are unplayed.
    // The songs are matched by fingerprint (pathFingerprint).
    void carryOver(const TLibrary& library, const PathList& opened);
    // The same from the songs' fingerprints, as openedFingerprints gives
    // them before the library is reloaded.
    void carryOver(const TLibrary& library, const std::vector<std::uint64_t>& opened);

    std::uint32_t songCount() const { return static_cast<std::uint32_t>(order_.size()); }
    std::uint32_t unplayedCount() const { return unplayed_; }
    std::uint32_t openedCount() const { return opened_; }
    bool over() const { return unplayed_ == 0; }
    // The record of the song opened last in this round, or kNone.
    std::uint32_t lastOpened() const;

    // Every song unplayed again. The song opened last is not drawn first
    // while another song is unplayed.
    void beginNewRound();

    // Advances seed and returns the record of an unplayed song, each with
    // the same chance (see drawIndex). There must be one (not over()).
    std::uint32_t draw(std::uint32_t& seed);
    // The song of an unplayed record leaves the unplayed.
    void markOpened(std::uint32_t record);
    void markPassed(std::uint32_t record);

    // The paths of the opened songs, oldest first, and their fingerprints.
    PathList openedPaths(const TLibrary& library) const;
    std::vector<std::uint64_t> openedFingerprints() const;

private:
    void reset(const TLibrary& library, const std::vector<Fingerprint>& fingerprints);
    void swapPlaces(std::uint32_t a, std::uint32_t b);
    std::uint32_t takeOutOfUnplayed(std::uint32_t record);

    std::vector<std::uint32_t> order_;  // records: unplayed | passed over | opened, newest first
    std::vector<std::uint32_t> place_;  // each record's index in order_; kNone for a repeated path
    // Each record's path as pathFingerprint gives it: the round's songs are
    // taken over to a reloaded library without a look at each song's
    // record, which would cost a miss of the cache each.
    std::vector<std::uint64_t> fingerprints_;
    std::uint32_t unplayed_ = 0;
    std::uint32_t opened_ = 0;
    std::uint32_t avoid_ = kNone;  // the last round's last song, until this round opens one
};

}  // namespace plk
