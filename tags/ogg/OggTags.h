// The titles of an Ogg file's first logical stream of a codec named below,
// by what its first packet says. The first pages of a file begin its streams
// (RFC 3533 §4: a video's stream may come before the sound's), and each
// codec's first packet lies alone on its stream's first page:
// - Vorbis (Vorbis I specification §4.2): "\x01vorbis" identification, then
//   the comment header "\x03vorbis" and a Vorbis comment list;
// - Opus (RFC 7845 §5): "OpusHead", then "OpusTags" and a comment list;
// - FLAC (RFC 9639 §10.1): "\x7FFLAC", the mapping's version and its count
//   of header packets, "fLaC" and STREAMINFO; every header packet after it is
//   one metadata block, the VORBIS_COMMENT among them.
// Streams of any other codec (Speex, Theora) give no format.
#pragma once

namespace plk {

class MetadataFile;
struct SongTags;

// Sets tags.format to the codec found, and reads its comments into tags.
// Throws MetadataRefused when a header packet that must be there is not.
void readOggTags(MetadataFile& file, SongTags& tags);

}  // namespace plk
