#include "app/RoundPick.h"

namespace plk {

SongPick pickUnplayedSong(const TLibrary& library, SongRound& round, const std::function<std::uint32_t()>& seedSource,
                          const SongCheck& check, int maxDraws) {
    SongPick pick;
    SongCandidates candidates(check);
    while (pick.draws < maxDraws) {
        if (round.over()) round.beginNewRound();
        std::uint32_t seed = seedSource();
        const std::uint32_t record = round.draw(seed);
        const std::string path = library[record].path();
        ++pick.draws;
        if (!candidates.playable(path)) {
            round.markPassed(record);
            continue;
        }
        pick.found = true;
        pick.path = path;
        pick.record = record;
        break;
    }
    return pick;
}

}  // namespace plk
