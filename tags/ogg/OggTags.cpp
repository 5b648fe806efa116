#include "tags/ogg/OggTags.h"

#include <algorithm>
#include <cstring>

#include "tags/ByteOrder.h"
#include "tags/MetadataFile.h"
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

SongFormat codecOf(const std::uint8_t (&head)[8], std::size_t size) {
    if (size >= 5 && begins(head, kFlacMapping)) return SongFormat::kOggFlac;
    if (size >= 7 && begins(head, kVorbisIdentification)) return SongFormat::kOggVorbis;
    if (size >= 8 && begins(head, kOpusIdentification)) return SongFormat::kOpus;
    return SongFormat::kNone;
}

// The first page of the first stream of a codec read here, by the start of
// the packet on each stream's first page; false when none is.
bool findStream(MetadataFile& file, std::uint64_t& firstPage, SongFormat& codec) {
    std::uint64_t at = 0;
    for (unsigned n = 0; n < kMaxStructures && at < file.size(); ++n) {
        const OggPage page = readOggPage(file, at);
        if (!(page.flags & OggPageFlag::kFirst)) return false;
        std::uint8_t head[8] = {};
        const std::size_t size = page.segmentCount ? std::min<std::size_t>(page.lacing[0], sizeof head) : 0;
        file.read(page.bodyOffset, head, size);
        codec = codecOf(head, size);
        if (codec != SongFormat::kNone) return firstPage = at, true;
        at = page.end();
    }
    return false;
}

}  // namespace

void readOggTags(MetadataFile& file, SongTags& tags) {
    std::uint64_t firstPage = 0;
    SongFormat codec = SongFormat::kNone;
    if (!findStream(file, firstPage, codec)) return;
    tags.format = codec;
    OggPacketReader packets(file, firstPage);
    packets.nextPacket();
    if (codec == SongFormat::kOggFlac) {
        packets.skip(std::strlen(kFlacMapping));
        return readFlacHeaderPackets(packets, tags);
    }
    packets.skip(std::strlen(codec == SongFormat::kOpus ? kOpusIdentification : kVorbisIdentification));
    readCommentPacket(packets, codec == SongFormat::kOpus ? kOpusComment : kVorbisComment, tags);
}

}  // namespace plk
