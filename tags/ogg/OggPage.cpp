#include "tags/ogg/OggPage.h"

#include <cstring>

#include "tags/ByteOrder.h"
#include "tags/MetadataFile.h"
#include "tags/MetadataRefused.h"

namespace plk {

bool isOggCapture(const std::uint8_t* bytes) { return std::memcmp(bytes, "OggS", 4) == 0; }

OggPage readOggPage(MetadataFile& file, std::uint64_t offset) {
    std::uint8_t fixed[OggPage::kFixedSize];
    file.read(offset, fixed, sizeof fixed);
    if (!isOggCapture(fixed)) throw MetadataRefused("no Ogg page here");
    if (fixed[4] != 0) throw MetadataRefused("unknown Ogg version");
    OggPage page;
    page.flags = fixed[5];
    page.serial = static_cast<std::uint32_t>(littleEndian(fixed + 14, 4));
    page.segmentCount = fixed[26];
    file.read(offset + sizeof fixed, page.lacing, page.segmentCount);
    page.bodyOffset = offset + sizeof fixed + page.segmentCount;
    for (int k = 0; k < page.segmentCount; ++k) page.bodySize += page.lacing[k];
    if (page.end() > file.size()) throw MetadataRefused("Ogg page past the end of the file");
    return page;
}

}  // namespace plk
