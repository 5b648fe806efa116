// The title and artist of a song file of any format the program reads,
// chosen by the file's content (its first bytes), never by its extension:
// FLAC (also after a stray ID3v2 tag), Ogg Vorbis, Opus and FLAC in Ogg, MP4
// and ASF; and, for the tools, the MP3 file's ID3v2 and ID3v1 tags.
#pragma once

#include <string>

namespace plk {

enum class SongFormat { kNone, kId3v2, kId3v1, kFlac, kOggVorbis, kOpus, kOggFlac, kMp4, kAsf };

struct SongTags {
    SongFormat format = SongFormat::kNone;
    std::u16string title;   // several values joined with " / "; empty when none
    std::u16string artist;
    // The format was recognised but its metadata contradicts itself, ends
    // early or passes a cap: no texts are kept from it.
    bool refused = false;
};

// "id3v2", "id3v1", "flac", "ogg-vorbis", "opus", "ogg-flac", "mp4", "asf", "none".
const char* formatName(SongFormat format);

// True for an extension, upper-cased with its dot (".FLAC"), of the
// formats whose titles the popup shows besides MP3.
bool isContainerTagExtension(const std::string& upperExtension);

// The FLAC, Ogg, MP4 and ASF readers alone: kNone for any other content.
// Reads headers and metadata only, a few MB at most of any file however
// large. Never throws for what the file holds or for a file that cannot be
// opened or read (format kNone); only out of memory passes on. attributes
// are the file's (fileAttributes): a placeholder whose data is elsewhere
// (isPlaceholder) is not opened at all, since the read would wait on the GUI
// thread for the download; it gives kNone.
SongTags readContainerTags(const std::string& path, long attributes);
SongTags readContainerTags(const std::string& path);  // with the file's own attributes

// readContainerTags, and for any other content the ID3v2 tag at the start,
// else the ID3v1 tag at the end: what the popup shows for an MP3 file, as
// Unicode (a Latin-1 or ID3v1 text as the Latin-1 it is declared to be),
// without the popup's stand-ins for missing texts.
SongTags readSongTags(const std::string& path);

}  // namespace plk
