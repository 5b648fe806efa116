// The round of "Avoid repeats" as it is kept across restarts: the round in
// memory and its file plkplayed.dat, which gets each song as it is opened.
#pragma once

#include <cstdint>
#include <string>

#include "library/IndexFile.h"
#include "played/PathList.h"
#include "played/SongRound.h"

namespace plk {

class KeptRound {
public:
    explicit KeptRound(std::string filePath) : filePath_(std::move(filePath)) {}

    const std::string& filePath() const { return filePath_; }
    SongRound& round() { return round_; }

    // Takes up the round the file holds over library, and returns its songs,
    // oldest first. A damaged file counts as far as it is sound.
    PathList load(const TLibrary& library);
    // The library was loaded again: the round's songs keep their place by
    // path, new ones are unplayed, those gone drop out.
    std::vector<std::uint64_t> songsBeforeReload() const { return round_.openedFingerprints(); }
    void reloaded(const TLibrary& library, const std::vector<std::uint64_t>& songs) { round_.carryOver(library, songs); }

    // The song of an unplayed record was opened: the round has it, and the
    // file gets it at its end, or alone when it begins the round. Throws
    // FileError when the file cannot be written; the round in memory has
    // the song all the same.
    void opened(const TLibrary& library, std::uint32_t record);

private:
    std::string filePath_;
    SongRound round_;
    std::uint32_t fileRecords_ = 0;  // the sound records the file holds
};

}  // namespace plk
