// The titles of an ASF file (.wma, .wmv, .asf): the Header Object at the
// start (Advanced Systems Format Specification §3.1: its GUID, a 64-bit
// size, a count of the objects it holds) and, among those, the Content
// Description Object (§3.10), whose first two strings are the title and the
// author. Every number is little-endian and every string UTF-16LE. The
// Extended Content Description Object (§3.11), with WM/AlbumArtist and the
// like, is not read.
#pragma once

#include <cstdint>

namespace plk {

class MetadataFile;
struct SongTags;

// The Header Object's GUID at these 16 bytes.
bool isAsfHeader(const std::uint8_t* bytes);

// Reads the title and author into tags; a header without the Content
// Description Object gives none. Throws MetadataRefused for an object that
// runs past the header, or a string past its object.
void readAsfTags(MetadataFile& file, SongTags& tags);

}  // namespace plk
