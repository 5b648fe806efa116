// One Ogg page's header (RFC 3533 §6): "OggS", version 0, the header type
// flags, the granule position, the stream's serial number, the page number,
// the CRC, and the segment table whose lacing values give the body's size
// and where each packet ends. The CRC is not checked: checking it would mean
// reading every body, and a page that lies is refused by the framing.
#pragma once

#include <cstdint>

namespace plk {

class MetadataFile;

namespace OggPageFlag {
constexpr std::uint8_t kContinued = 0x01;  // the first packet began on an earlier page
constexpr std::uint8_t kFirst = 0x02;      // beginning of a logical stream
}  // namespace OggPageFlag

struct OggPage {
    static constexpr std::uint64_t kFixedSize = 27;

    std::uint8_t flags = 0;
    std::uint32_t serial = 0;
    std::uint8_t segmentCount = 0;
    std::uint8_t lacing[255] = {};
    std::uint64_t bodyOffset = 0;  // in the file
    std::uint64_t bodySize = 0;    // the sum of the lacing values

    std::uint64_t end() const { return bodyOffset + bodySize; }
};

// The capture pattern "OggS" at these four bytes.
bool isOggCapture(const std::uint8_t* bytes);

// The page whose header begins at offset. Throws MetadataRefused when no
// capture pattern is there, the version is not 0, or the page runs past the
// end of the file.
OggPage readOggPage(MetadataFile& file, std::uint64_t offset);

}  // namespace plk
