// The two lines the Song Tag popup shows for an MP3 file: artist and title
// from its ID3v2 tag; without a usable one, from its ID3v1 tag; without
// that either, "Unknown song:" above the file's name.
#pragma once

#include <string>

namespace plk {

class Tid3v2tag;

struct SongTagText {
    std::string artist = "Unknown Artist";
    std::string title = "Unknown Title";
};

// Loads the file's tag with reader. A line the tags do not fill keeps its
// default. Throws FileError when the file cannot be opened for the ID3v1
// check: the caller then does not open the song.
SongTagText readSongTagText(Tid3v2tag& reader, const std::string& path);

// The file's name without its folder and without its last extension:
// "C:\Music\Song.Name.mp3" gives "Song.Name".
std::string songNameOfPath(const std::string& path);

}  // namespace plk
