// A native FLAC stream's metadata (RFC 9639 §8): after the "fLaC" marker, a
// chain of metadata blocks, each a 4-byte header (last-block flag, 7-bit
// type, 24-bit big-endian length) and its data. The titles are in the
// VORBIS_COMMENT block (type 4, §8.6).
#pragma once

#include <cstdint>

namespace plk {

class MetadataFile;
struct SongTags;

constexpr std::uint8_t kFlacVorbisCommentBlock = 4;

// The stream marker "fLaC" at these four bytes.
bool isFlacMarker(const std::uint8_t* bytes);

// Walks the blocks of the stream whose "fLaC" lies at streamOffset, passing
// over every other block (a picture of any size costs one seek), and reads
// the first VORBIS_COMMENT block into tags. Throws MetadataRefused for a
// block of the forbidden type 127 (§8.1), one that runs past the file before
// the comment is found, or more than kMaxStructures blocks.
void readFlacTags(MetadataFile& file, std::uint64_t streamOffset, SongTags& tags);

}  // namespace plk
