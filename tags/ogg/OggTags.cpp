#include "tags/ogg/OggTags.h"

#include <cstring>

#include "tags/ByteOrder.h"
#include "tags/MetadataLimits.h"
#include "tags/MetadataRefused.h"
#include "tags/SongTags.h"
#include "tags/flac/FlacTags.h"
#include "tags/ogg/OggPacketReader.h"
#include "tags/vorbis/VorbisComment.h"

namespace plk {
namespace {

const char kVorbisIdentification[] = "\x01vorbis";
const char kVorbisComment[] = "\x03vorbis";
const char kOpusIdentification[] = "OpusHead";
const char kOpusComment[] = "OpusTags";
const char kFlacMapping[] = "\x7F" "FLAC";
const std::uint8_t kLastBlockFlag = 0x80;
// The FLAC mapping's first packet after its 5-byte marker: major and minor
// version, the count of header packets that follow, "fLaC".
const std::size_t kFlacMappingRest = 2 + 2 + 4;

bool begins(const std::uint8_t* bytes, const char* marker) {
    return std::memcmp(bytes, marker, std::strlen(marker)) == 0;
}

// The packet after the identification must begin with marker (the comment
// header comes second in both codecs).
void readCommentPacket(OggPacketReader& packets, const char* marker, SongTags& tags) {
    std::uint8_t head[8];
    const std::size_t size = std::strlen(marker);
    if (!packets.nextPacket()) throw MetadataRefused("no comment header");
    packets.read(head, size);
    if (!begins(head, marker)) throw MetadataRefused("the second packet is no comment header");
    readVorbisComment(packets, tags);
}

void readFlacHeaderPackets(OggPacketReader& packets, SongTags& tags) {
    std::uint8_t rest[kFlacMappingRest];
    packets.read(rest, sizeof rest);
    if (!isFlacMarker(rest + 4)) throw MetadataRefused("no fLaC in the FLAC mapping's first packet");
    // 0 means the count is not known: then the blocks say which is last.
    const unsigned declared = static_cast<unsigned>(bigEndian(rest + 2, 2));
    const unsigned count = declared ? declared : kMaxStructures;
    for (unsigned n = 0; n < count && n < kMaxStructures && packets.nextPacket(); ++n) {
        std::uint8_t header[4];
        packets.read(header, sizeof header);
        if ((header[0] & 0x7F) == kFlacVorbisCommentBlock) return readVorbisComment(packets, tags);
        if (header[0] & kLastBlockFlag) return;
    }
}

}  // namespace

void readOggTags(MetadataFile& file, SongTags& tags) {
    OggPacketReader packets(file);
    if (!packets.nextPacket()) throw MetadataRefused("no Ogg packet");
    std::uint8_t head[8];
    packets.read(head, 5);
    if (begins(head, kFlacMapping)) {
        tags.format = SongFormat::kOggFlac;
        return readFlacHeaderPackets(packets, tags);
    }
    packets.read(head + 5, 2);
    if (begins(head, kVorbisIdentification)) {
        tags.format = SongFormat::kOggVorbis;
        return readCommentPacket(packets, kVorbisComment, tags);
    }
    packets.read(head + 7, 1);
    if (begins(head, kOpusIdentification)) {
        tags.format = SongFormat::kOpus;
        return readCommentPacket(packets, kOpusComment, tags);
    }
}

}  // namespace plk
