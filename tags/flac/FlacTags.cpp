#include "tags/flac/FlacTags.h"

#include <cstring>

#include "tags/ByteOrder.h"
#include "tags/FileSpan.h"
#include "tags/MetadataFile.h"
#include "tags/MetadataLimits.h"
#include "tags/MetadataRefused.h"
#include "tags/vorbis/VorbisComment.h"

namespace plk {
namespace {

const std::uint8_t kLastBlockFlag = 0x80;
const std::uint8_t kForbiddenBlock = 127;
const std::uint64_t kMarkerSize = 4;
const std::uint64_t kBlockHeaderSize = 4;

}  // namespace

bool isFlacMarker(const std::uint8_t* bytes) { return std::memcmp(bytes, "fLaC", 4) == 0; }

void readFlacTags(MetadataFile& file, std::uint64_t streamOffset, SongTags& tags) {
    std::uint64_t at = streamOffset + kMarkerSize;
    for (unsigned blocks = 0; blocks < kMaxStructures; ++blocks) {
        std::uint8_t header[kBlockHeaderSize];
        file.read(at, header, sizeof header);
        const std::uint8_t type = header[0] & 0x7F;
        const std::uint64_t length = bigEndian(header + 1, 3);
        if (type == kForbiddenBlock) throw MetadataRefused("forbidden metadata block type");
        at += kBlockHeaderSize;
        if (type == kFlacVorbisCommentBlock) {
            if (length > file.size() - at) throw MetadataRefused("comment block past the end of the file");
            FileSpan block(file, at, length);
            return readVorbisComment(block, tags);
        }
        if (header[0] & kLastBlockFlag) return;
        at += length;
    }
    throw MetadataRefused("too many metadata blocks");
}

}  // namespace plk
