// The two lines the Song Tag popup shows for an MP3 file: artist and title
// from its ID3v2 tag; without a usable one, from its ID3v1 tag; without
// that either, "Unknown song:" above the file's name.
#pragma once

#include <string>
#include <utility>

namespace plk {

class Tid3v2tag;

// One line of the popup. The text of a Unicode frame is Unicode. An ID3v1
// field, the text of a Latin-1 frame and the file's name (from the index)
// are bytes that the system's code page reads: many collections are tagged
// in their local code page and read right on their own systems.
struct SongTagLine {
    explicit SongTagLine(std::string text) : codePageText(std::move(text)) {}
    explicit SongTagLine(std::u16string text) : unicodeText(std::move(text)), isUnicode(true) {}

    std::string codePageText;    // when not isUnicode
    std::u16string unicodeText;  // when isUnicode
    bool isUnicode = false;
};

struct SongTagText {
    SongTagLine artist{std::string("Unknown Artist")};
    SongTagLine title{std::string("Unknown Title")};
    bool fromTag = true;  // false: "Unknown song:" and the file's name
};

// Loads the file's tag with reader. A line the tags do not fill keeps its
// default. Throws FileError when the file cannot be opened for the ID3v1
// check: the caller then does not open the song. attributes are the file's
// (fileAttributes): a placeholder whose data is elsewhere (isPlaceholder) is
// not read at all, since the read would wait on the GUI thread for the whole
// download, or fail without a connection; it shows its file name.
SongTagText readSongTagText(Tid3v2tag& reader, const std::string& path, long attributes);

// The file's name without its folder and without its last extension:
// "C:\Music\Song.Name.mp3" gives "Song.Name".
std::string songNameOfPath(const std::string& path);

}  // namespace plk
