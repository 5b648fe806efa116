#include "tags/ogg/OggPacketReader.h"

#include <algorithm>

#include "tags/MetadataFile.h"
#include "tags/MetadataLimits.h"
#include "tags/MetadataRefused.h"

namespace plk {
namespace {

const std::uint8_t kFullSegment = 255;  // the packet goes on in the next segment

}  // namespace

OggPacketReader::OggPacketReader(MetadataFile& file, std::uint64_t firstPage)
    : file_(file), page_(readOggPage(file, firstPage)), serial_(page_.serial) {
    if (!(page_.flags & OggPageFlag::kFirst) || (page_.flags & OggPageFlag::kContinued))
        throw MetadataRefused("the page begins no stream");
    position_ = page_.bodyOffset;
}

bool OggPacketReader::nextPacket() {
    if (begun_) {
        if (inPacket_) {
            do consume(segmentLeft_);
            while (segmentHasBytes());
        }
        ++segment_;
    }
    begun_ = true;
    inPacket_ = false;
    while (segment_ >= page_.segmentCount) {
        if (!nextPage(false)) return false;
    }
    startSegment();
    inPacket_ = true;
    return true;
}

void OggPacketReader::read(std::uint8_t* bytes, std::size_t n) {
    while (n > 0) {
        if (!segmentHasBytes()) throw MetadataRefused("past the end of the Ogg packet");
        const std::size_t piece = std::min<std::size_t>(n, segmentLeft_);
        file_.read(position_, bytes, piece);
        consume(piece);
        bytes += piece;
        n -= piece;
    }
}

void OggPacketReader::skip(std::uint64_t n) {
    while (n > 0) {
        if (!segmentHasBytes()) throw MetadataRefused("past the end of the Ogg packet");
        const std::uint64_t piece = std::min<std::uint64_t>(n, segmentLeft_);
        consume(piece);
        n -= piece;
    }
}

bool OggPacketReader::segmentHasBytes() {
    if (!inPacket_) throw MetadataRefused("no Ogg packet begun");
    while (segmentLeft_ == 0) {
        if (page_.lacing[segment_] < kFullSegment) return false;
        if (++segment_ == page_.segmentCount && !nextPage(true)) throw MetadataRefused("the Ogg stream ends inside a packet");
        startSegment();
    }
    return true;
}

bool OggPacketReader::nextPage(bool continued) {
    std::uint64_t offset = page_.end();
    for (;;) {
        if (offset >= file_.size()) return false;
        if (++pages_ > kMaxStructures) throw MetadataRefused("too many Ogg pages");
        const OggPage page = readOggPage(file_, offset);
        if (page.serial == serial_) {
            if (((page.flags & OggPageFlag::kContinued) != 0) != continued)
                throw MetadataRefused("an Ogg page's continued flag contradicts the packets");
            page_ = page;
            segment_ = 0;
            position_ = page_.bodyOffset;
            return true;
        }
        offset = page.end();
    }
}

void OggPacketReader::startSegment() { segmentLeft_ = page_.lacing[segment_]; }

void OggPacketReader::consume(std::uint64_t n) {
    position_ += n;
    segmentLeft_ -= static_cast<std::uint32_t>(n);
}

}  // namespace plk
