// plkplayed.dat beside the program: the songs opened in the current round
// of "Avoid repeats", oldest first, as the index's own 260-byte records. It
// is changed where it is (appended to, emptied in place), never written
// anew and renamed: a package manager may keep it as a hard link.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/IndexFile.h"

namespace plk {

const char kPlayedFileName[] = "plkplayed.dat";

// Whether a record's path could have come from an index: not empty, without
// the control characters and the characters Windows refuses in a name, and
// with a folder before the name (a rebuild's start folder always ends in a
// backslash). A record of another file, or of zeros, is not.
bool isSoundRecord(const TLibraryRecord& record);

// Reads the file at path as far as it is sound: whole records up to the
// first one that is not (see isSoundRecord), at most maxRecords of them; a
// fragment at the end is ignored. No file, an empty one, or one that cannot
// be read is a round with nothing played. Never throws FileError.
std::vector<TLibraryRecord> readPlayedFile(const std::string& path, std::size_t maxRecords = kMaxIndexRecords);

// The writes, each through the file itself: opened (created when missing),
// written and closed. They throw FileError.
// Writes record after the first count records, cutting off what came after
// them (a damaged tail, a fragment); with count 0 the file is emptied first.
void writePlayed(const std::string& path, std::uint32_t count, const TLibraryRecord& record);

}  // namespace plk
