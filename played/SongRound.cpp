#include "played/SongRound.h"

#include <utility>

#include "app/RandomDraw.h"
#include "played/PathPositions.h"

namespace plk {

void SongRound::reset(const TLibrary& library) { reset(library, PathPositions(library)); }

void SongRound::reset(const TLibrary& library, const PathPositions& positions) {
    order_.clear();
    place_.assign(library.size(), kNone);
    for (std::uint32_t record = 0; record < library.size(); ++record) {
        if (!positions.isFirst(record)) continue;
        place_[record] = static_cast<std::uint32_t>(order_.size());
        order_.push_back(record);
    }
    unplayed_ = songCount();
    opened_ = 0;
    avoid_ = kNone;
}

void SongRound::carryOver(const TLibrary& library, const PathList& opened) {
    const PathPositions positions(library);
    reset(library, positions);
    for (std::size_t k = 0; k < opened.size(); ++k) {
        const std::uint32_t record = positions.find(opened[k]);
        if (record != PathPositions::kNone && place_[record] < unplayed_) markOpened(record);
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

PathList SongRound::openedPaths(const TLibrary& library) const {
    PathList paths;
    for (std::uint32_t k = songCount(); k > songCount() - opened_; --k) paths.add(pathView(library[order_[k - 1]]));
    return paths;
}

}  // namespace plk
