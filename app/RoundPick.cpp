#include "app/RoundPick.h"

namespace plk {

SongPick pickUnplayedSong(const TLibrary& library, SongRound& round, const std::function<std::uint32_t()>& seedSource,
                          const SongCheck& check, int maxDraws) {
    const auto drawUnplayed = [&round](std::uint32_t& seed) {
        if (round.over()) round.beginNewRound();
        return round.draw(seed);
    };
    return pickSongWith(library, seedSource, check, maxDraws, drawUnplayed,
                        [&round](std::uint32_t record) { round.markPassed(record); });
}

}  // namespace plk
