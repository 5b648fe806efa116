// The Vorbis comment list (Vorbis I specification §5.2.1): a vendor string,
// then a count of "NAME=value" fields, every length a 32-bit little-endian
// number and every text UTF-8. FLAC stores it as a metadata block, Vorbis
// after "\x03vorbis" in its second header packet, Opus after "OpusTags".
#pragma once

namespace plk {

class ByteSource;
struct SongTags;

// Adds every TITLE and ARTIST value (field names compare without regard to
// ASCII case, §5.2.1) to tags, in the order stored. Other fields, and the
// vendor string, are passed over unread. Throws MetadataRefused when a length
// runs past the list's end or the count passes kMaxComments.
void readVorbisComment(ByteSource& source, SongTags& tags);

}  // namespace plk
