// The draw-until-found loop of random play, apart from the clock and the
// file system so that it can be driven by tests.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "library/IndexFile.h"

namespace plk {

// A library whose files are all gone would otherwise be drawn from for
// ever. A thousand draws find a file with near certainty while even one
// percent of the library still exists, and take well under a second.
const int kMaxSongDraws = 1000;

struct SongPick {
    bool found = false;
    std::string path;
    int draws = 0;
};

// Draws records of library (which must not be empty) until one names an
// existing file, reseeding from seedSource before every draw as the clock
// does in the program. A path the shell would run rather than play (a
// program, a script, a shortcut: see isPlayablePath) counts as a vanished
// file, without asking exists. Gives up after maxDraws draws with found false.
SongPick pickExistingSong(const TLibrary& library, const std::function<std::uint32_t()>& seedSource,
                          const std::function<bool(const std::string&)>& exists,
                          int maxDraws = kMaxSongDraws);

}  // namespace plk
