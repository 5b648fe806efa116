// The text tagdump prints for one file. Other tooling parses it, so its
// format is fixed:
//   load 0xHHHH
//   frame N ID SIZE 0xHH          (with --frames; N from 1, SIZE of the body in the tag, current format flags)
//   ID CODE HEX                   (only for a usable load; HEX is "-" for empty text)
// With --wide the texts come from the wide accessor, as quoted UTF-8:
//   ID CODE "TEXT"                (\" \\ and \xHH for characters below U+0020)
// With --song, whatever the file's format, three lines of the texts the
// popup would show (its stand-ins for a missing text aside), in UTF-8, a
// character below U+0020 as \xHH:
//   format: NAME                  (formatName: id3v2, flac, mp4, ..., none)
//   title: TEXT
//   artist: TEXT
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace plk {

void dumpTag(std::ostream& out, const std::string& fileName, bool listFrames, const std::vector<std::string>& ids,
             bool wideText = false);

void dumpSongTags(std::ostream& out, const std::string& fileName);

}  // namespace plk
