// The packets of one logical stream of an Ogg file, each read in order as a
// ByteSource (RFC 3533 §5, §6). A packet is cut into segments of 255 bytes,
// the last shorter (0 when the size is a multiple of 255); one whose segments
// run to the end of a page goes on at the start of the stream's next page,
// which says so with its "continued" flag. Pages of other streams, which a
// multiplexed file interleaves, are passed over by their headers alone.
#pragma once

#include <cstdint>

#include "tags/ByteSource.h"
#include "tags/ogg/OggPage.h"

namespace plk {

class OggPacketReader : public ByteSource {
public:
    // Reads the stream's first page, at firstPage, which must begin it.
    // Throws MetadataRefused.
    OggPacketReader(MetadataFile& file, std::uint64_t firstPage);

    // Goes to the start of the stream's next packet (at first, of its first),
    // passing over what is left of the current one without reading it. False
    // when the stream, or the file, has no more.
    bool nextPacket();

    // Within the current packet; past its end throws MetadataRefused.
    void read(std::uint8_t* bytes, std::size_t n) override;
    void skip(std::uint64_t n) override;

private:
    // The current segment holds a byte, or false when the packet has ended.
    bool segmentHasBytes();
    // The stream's page after the current one, false at the end of the file.
    // Throws MetadataRefused when its "continued" flag says otherwise than
    // continued, or after kMaxStructures pages.
    bool nextPage(bool continued);
    void startSegment();
    void consume(std::uint64_t n);

    MetadataFile& file_;
    OggPage page_;
    std::uint32_t serial_;
    int segment_ = 0;
    std::uint64_t position_ = 0;      // in the file
    std::uint32_t segmentLeft_ = 0;   // bytes of the current segment not yet consumed
    bool inPacket_ = false;
    bool begun_ = false;
    unsigned pages_ = 1;
};

}  // namespace plk
