#include "tags/mp4/Mp4Atom.h"

#include "tags/ByteOrder.h"
#include "tags/MetadataFile.h"
#include "tags/MetadataLimits.h"
#include "tags/MetadataRefused.h"

namespace plk {
namespace {

const std::uint64_t kHeaderSize = 8;
const std::uint64_t kLargeHeaderSize = 16;
const std::uint32_t kLargeSize = 1;
const std::uint32_t kToTheEnd = 0;

}  // namespace

Mp4Atom readAtom(MetadataFile& file, std::uint64_t offset, std::uint64_t parentEnd) {
    if (offset > parentEnd || parentEnd - offset < kHeaderSize) throw MetadataRefused("no room for an atom");
    std::uint8_t header[kLargeHeaderSize];
    file.read(offset, header, kHeaderSize);
    Mp4Atom atom;
    atom.offset = offset;
    atom.type = static_cast<std::uint32_t>(bigEndian(header + 4, 4));
    const std::uint32_t size = static_cast<std::uint32_t>(bigEndian(header, 4));
    std::uint64_t fullSize = size;
    std::uint64_t headerSize = kHeaderSize;
    if (size == kLargeSize) {
        if (parentEnd - offset < kLargeHeaderSize) throw MetadataRefused("no room for a 64-bit atom size");
        file.read(offset + kHeaderSize, header + kHeaderSize, kLargeHeaderSize - kHeaderSize);
        fullSize = bigEndian(header + kHeaderSize, 8);
        headerSize = kLargeHeaderSize;
    } else if (size == kToTheEnd) {
        fullSize = parentEnd - offset;
    }
    if (fullSize < headerSize) throw MetadataRefused("an atom smaller than its header");
    if (fullSize > parentEnd - offset) throw MetadataRefused("an atom past its parent");
    atom.bodyOffset = offset + headerSize;
    atom.end = offset + fullSize;
    return atom;
}

bool findAtom(MetadataFile& file, std::uint64_t begin, std::uint64_t end, std::uint32_t type, Mp4Atom& found,
              unsigned& atoms) {
    for (std::uint64_t at = begin; at < end;) {
        if (++atoms > kMaxStructures) throw MetadataRefused("too many atoms");
        const Mp4Atom atom = readAtom(file, at, end);
        if (atom.type == type) {
            found = atom;
            return true;
        }
        at = atom.end;
    }
    return false;
}

}  // namespace plk
