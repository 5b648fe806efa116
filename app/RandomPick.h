// The draw-until-found loop of random play, apart from the clock and the
// file system so that it can be driven by tests.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "library/IndexFile.h"
#include "platform/FileAttributes.h"

namespace plk {

// A library whose files are all gone would otherwise be drawn from for
// ever. A thousand draws find a file with near certainty while even one
// percent of the library still exists, and take well under a second.
const int kMaxSongDraws = 1000;

using SongCheck = std::function<FileCheck(const std::string&)>;

struct SongPick {
    bool found = false;
    std::string path;
    std::uint32_t record = 0;  // its position in the library
    int draws = 0;
};

// Draws records of library (which must not be empty) until one names an
// existing file, reseeding from seedSource before every draw as the clock
// does in the program. A path the shell would run rather than play (a
// program, a script, a shortcut: see isPlayablePath) counts as a vanished
// file, without asking check, and so does a file check finds offline (a
// placeholder whose data is not here; its drive stays open). Once check
// finds a root unreachable, later draws on that root (see pathRoot) count as
// vanished files unchecked: on a share that went offline each look can wait
// for the network's time-out.
// Gives up after maxDraws draws with found false.
SongPick pickExistingSong(const TLibrary& library, const std::function<std::uint32_t()>& seedSource,
                          const SongCheck& check, int maxDraws = kMaxSongDraws);

// The same loop with its own draw: draw turns a fresh seed into a record,
// and passedOver hears of each record drawn in vain.
using RecordDraw = std::function<std::uint32_t(std::uint32_t& seed)>;
SongPick pickSongWith(const TLibrary& library, const std::function<std::uint32_t()>& seedSource,
                      const SongCheck& check, int maxDraws, const RecordDraw& draw,
                      const std::function<void(std::uint32_t record)>& passedOver);

}  // namespace plk
