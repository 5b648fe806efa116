// The titles of an MP4 file (.m4a, .m4b, .mp4): the iTunes item list, atom
// path moov → udta → meta → ilst, its items "©nam" (title), "©ART" (artist)
// and "aART" (album artist, shown when there is no artist), each holding
// "data" atoms (QuickTime File Format Specification, Metadata: the data atom
// and its well-known types). The top-level atoms are walked by their sizes,
// so a "moov" after 4 GB of "mdat" costs a few reads.
#pragma once

#include <cstdint>

namespace plk {

class MetadataFile;
struct SongTags;

// The first 8 bytes of an MP4 file: an atom whose type is one that begins
// such files ("ftyp", or in older QuickTime files "moov", "mdat", "free",
// "skip", "wide").
bool isMp4Start(const std::uint8_t* bytes);

// Reads the title and artist into tags; a file without the item list, or
// without these items, gives none. A data atom of type 1 (UTF-8) or 2
// (UTF-16, big-endian) is read, one of any other type (a number, a picture)
// passed over; several in one item are joined. Throws MetadataRefused for an
// atom that contradicts its parent (readAtom).
void readMp4Tags(MetadataFile& file, SongTags& tags);

}  // namespace plk
