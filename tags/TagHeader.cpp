#include "tags/TagHeader.h"

#include "tags/SynchData.h"

namespace plk {

bool TagHeader::parse(const std::uint8_t (&bytes)[kSize], TagHeader& header) {
    if (bytes[0] != 'I' || bytes[1] != 'D' || bytes[2] != '3') return false;
    if (bytes[3] == 0xFF || bytes[4] == 0xFF) return false;
    for (int k = 6; k < 10; ++k)
        if (bytes[k] >= 0x80) return false;
    header.majorVersion = bytes[3];
    header.revision = bytes[4];
    header.flags = bytes[5];
    header.tagSize = synchSafe(bytes + 6, 4);
    return true;
}

std::uint8_t TagHeader::definedFlags() const {
    const std::uint8_t common = HeaderFlag::kUnsynchronisation | HeaderFlag::kExtendedHeader |
                                HeaderFlag::kExperimental;
    return majorVersion == 4 ? static_cast<std::uint8_t>(common | HeaderFlag::kFooter) : common;
}

}  // namespace plk
