#include "played/SongRound.h"

#include <utility>

#include "app/RandomDraw.h"
namespace plk {
namespace {

std::vector<std::uint64_t> libraryFingerprints(const TLibrary& library) {
    return fingerprintsOf(library.size(), [&](std::size_t k) { return pathView(library[k]); });
}

// Whether each record's path an earlier record holds. Only records of one
// fingerprint can share a path; their paths are compared.
std::vector<bool> repeatedPaths(const TLibrary& library, const std::vector<Fingerprint>& sorted) {
    std::vector<bool> repeated(library.size(), false);
    for (std::size_t k = 1; k < sorted.size(); ++k) {
        // The records themselves are looked at only here: read for every
        // fingerprint, in this order, they would cost a miss of the cache each.
        if (sorted[k].value != sorted[k - 1].value) continue;
        const std::string_view path = pathView(library[sorted[k].index]);
        for (std::size_t j = k; j-- > 0 && sorted[j].value == sorted[k].value;) {
            if (repeated[sorted[j].index] || pathView(library[sorted[j].index]) != path) continue;
            repeated[sorted[k].index] = true;
            break;
        }
    }
    return repeated;
}

// The record of each song of opened, or kNone: the first record of its
// fingerprint, which is never a repeated path.
std::vector<std::uint32_t> recordsOf(const std::vector<Fingerprint>& records, const std::vector<std::uint64_t>& opened) {
    std::vector<std::uint32_t> found(opened.size(), SongRound::kNone);
    const std::vector<Fingerprint> songs = sortedFingerprints(opened);
    std::size_t at = 0;
    for (const Fingerprint& song : songs) {
        while (at < records.size() && records[at].value < song.value) ++at;
        if (at < records.size() && records[at].value == song.value) found[song.index] = records[at].index;
    }
    return found;
}

}  // namespace

void SongRound::reset(const TLibrary& library) {
    fingerprints_ = libraryFingerprints(library);
    reset(library, sortedFingerprints(fingerprints_));
}

void SongRound::reset(const TLibrary& library, const std::vector<Fingerprint>& sorted) {
    const std::vector<bool> repeated = repeatedPaths(library, sorted);
    order_.clear();
    order_.reserve(library.size());
    place_.assign(library.size(), kNone);
    for (std::uint32_t record = 0; record < library.size(); ++record) {
        if (repeated[record]) continue;
        place_[record] = static_cast<std::uint32_t>(order_.size());
        order_.push_back(record);
    }
    unplayed_ = songCount();
    opened_ = 0;
    avoid_ = kNone;
}

void SongRound::carryOver(const TLibrary& library, const PathList& opened) {
    carryOver(library, fingerprintsOf(opened.size(), [&](std::size_t k) { return opened[k]; }));
}

void SongRound::carryOver(const TLibrary& library, const std::vector<std::uint64_t>& opened) {
    fingerprints_ = libraryFingerprints(library);
    const std::vector<Fingerprint> records = sortedFingerprints(fingerprints_);
    reset(library, records);
    const std::vector<std::uint32_t> found = recordsOf(records, opened);
    for (const std::uint32_t record : found) {
        if (record != kNone && place_[record] < unplayed_) markOpened(record);
    }
}

std::uint32_t SongRound::lastOpened() const { return opened_ == 0 ? kNone : order_[songCount() - opened_]; }

void SongRound::beginNewRound() {
    // A round that opened nothing (every file gone) keeps the song to avoid.
    if (opened_ > 0) avoid_ = lastOpened();
    unplayed_ = songCount();
    opened_ = 0;
}

std::uint32_t SongRound::draw(std::uint32_t& seed) {
    std::uint32_t count = unplayed_;
    if (avoid_ != kNone && unplayed_ > 1 && place_[avoid_] < unplayed_) {
        // Kept out of reach at the end of the unplayed part.
        swapPlaces(place_[avoid_], unplayed_ - 1);
        --count;
    }
    return order_[drawIndex(seed, count)];
}

void SongRound::markOpened(std::uint32_t record) {
    const std::uint32_t passedStart = takeOutOfUnplayed(record);
    ++opened_;
    swapPlaces(passedStart, songCount() - opened_);
    avoid_ = kNone;
}

void SongRound::markPassed(std::uint32_t record) { takeOutOfUnplayed(record); }

std::uint32_t SongRound::takeOutOfUnplayed(std::uint32_t record) {
    --unplayed_;
    swapPlaces(place_[record], unplayed_);
    return unplayed_;
}

void SongRound::swapPlaces(std::uint32_t a, std::uint32_t b) {
    std::swap(order_[a], order_[b]);
    place_[order_[a]] = a;
    place_[order_[b]] = b;
}

std::vector<std::uint64_t> SongRound::openedFingerprints() const {
    std::vector<std::uint64_t> values;
    values.reserve(opened_);
    for (std::uint32_t k = songCount(); k > songCount() - opened_; --k) values.push_back(fingerprints_[order_[k - 1]]);
    return values;
}

PathList SongRound::openedPaths(const TLibrary& library) const {
    PathList paths;
    for (std::uint32_t k = songCount(); k > songCount() - opened_; --k) paths.add(pathView(library[order_[k - 1]]));
    return paths;
}

}  // namespace plk
