#include "tags/FrameHeader.h"

#include "tags/SynchData.h"

namespace plk {

namespace {

// Version 3 keeps the flags one bit higher and in another order. A compressed
// version 3 frame always carries its inflated size, which version 4 calls a
// data length indicator.
std::uint8_t Version3FormatFlags(std::uint8_t stored) {
    std::uint8_t flags = 0;
    if (stored & 0x20) flags |= FormatFlag::Grouping;
    if (stored & 0x80) flags |= FormatFlag::Compression | FormatFlag::DataLengthIndicator;
    if (stored & 0x40) flags |= FormatFlag::Encryption;
    return flags;
}

}  // namespace

FrameHeader FrameHeader::Parse(const std::uint8_t (&bytes)[Size], std::uint8_t majorVersion) {
    FrameHeader header;
    header.id.assign(reinterpret_cast<const char*>(bytes), 4);
    if (majorVersion == 4) {
        header.frameSize = SynchSafe(bytes + 4, 4);
        header.statusFlags = bytes[8];
        header.formatFlags = bytes[9];
    } else {
        header.frameSize = BigEndian32(bytes + 4);
        header.statusFlags = static_cast<std::uint8_t>(bytes[8] >> 1);
        header.formatFlags = Version3FormatFlags(bytes[9]);
    }
    return header;
}

std::uint32_t FrameHeader::ExtraByteCount() const {
    std::uint32_t count = 0;
    if (formatFlags & FormatFlag::Grouping) count += 1;
    if (formatFlags & FormatFlag::Encryption) count += 1;
    if (formatFlags & FormatFlag::DataLengthIndicator) count += 4;
    return count;
}

FrameExtras FrameHeader::ParseExtras(const std::uint8_t* bytes, std::uint8_t majorVersion) const {
    FrameExtras extras;
    if (majorVersion == 4) {
        if (formatFlags & FormatFlag::Grouping) extras.groupIdentifier = *bytes++;
        if (formatFlags & FormatFlag::Encryption) extras.encryptionMethod = *bytes++;
        if (formatFlags & FormatFlag::DataLengthIndicator) extras.dataLength = SynchSafe(bytes, 4);
    } else {
        if (formatFlags & FormatFlag::Compression) {
            extras.dataLength = BigEndian32(bytes);
            bytes += 4;
        }
        if (formatFlags & FormatFlag::Encryption) extras.encryptionMethod = *bytes++;
        if (formatFlags & FormatFlag::Grouping) extras.groupIdentifier = *bytes;
    }
    return extras;
}

}  // namespace plk
