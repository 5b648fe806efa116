// Random play with "Avoid repeats": the draw among the songs not yet opened
// in the round.
#pragma once

#include "app/RandomPick.h"
#include "played/SongRound.h"

namespace plk {

// As pickExistingSong, drawing from round's unplayed songs of library (which
// must not be empty): a drawn song whose file is not there, or would be run
// rather than played, leaves the round (passed over). When the round is
// over, a new one begins. The pick is not marked opened: the caller does
// that once the song has been opened.
SongPick pickUnplayedSong(const TLibrary& library, SongRound& round, const std::function<std::uint32_t()>& seedSource,
                          const SongCheck& check, int maxDraws = kMaxSongDraws);

}  // namespace plk
