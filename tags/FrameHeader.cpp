#include "tags/FrameHeader.h"

#include "tags/SynchData.h"

namespace plk {

namespace {

// Version 3 keeps the flags one bit higher and in another order. A compressed
// version 3 frame always carries its inflated size (id3v2.3.0 §3.3.1), which
// version 4 calls a data length indicator (id3v2.4.0-structure §4.1.2).
std::uint8_t version3FormatFlags(std::uint8_t stored) {
    std::uint8_t flags = 0;
    if (stored & 0x20) flags |= FormatFlag::kGrouping;
    if (stored & 0x80) flags |= FormatFlag::kCompression | FormatFlag::kDataLengthIndicator;
    if (stored & 0x40) flags |= FormatFlag::kEncryption;
    return flags;
}

}  // namespace

FrameHeader FrameHeader::parse(const std::uint8_t (&bytes)[kSize], std::uint8_t majorVersion) {
    FrameHeader header;
    header.id.assign(reinterpret_cast<const char*>(bytes), 4);
    if (majorVersion == 4) {
        header.frameSize = synchSafe(bytes + 4, 4);
        header.statusFlags = bytes[8];
        header.formatFlags = bytes[9];
    } else {
        header.frameSize = bigEndian32(bytes + 4);
        header.statusFlags = static_cast<std::uint8_t>(bytes[8] >> 1);
        header.formatFlags = version3FormatFlags(bytes[9]);
    }
    return header;
}

std::uint32_t FrameHeader::extraByteCount() const {
    std::uint32_t count = 0;
    if (formatFlags & FormatFlag::kGrouping) count += 1;
    if (formatFlags & FormatFlag::kEncryption) count += 1;
    if (formatFlags & FormatFlag::kDataLengthIndicator) count += 4;
    return count;
}

FrameExtras FrameHeader::parseExtras(const std::uint8_t* bytes, std::uint8_t majorVersion) const {
    FrameExtras extras;
    if (majorVersion == 4) {
        if (formatFlags & FormatFlag::kGrouping) extras.groupIdentifier = *bytes++;
        if (formatFlags & FormatFlag::kEncryption) extras.encryptionMethod = *bytes++;
        if (formatFlags & FormatFlag::kDataLengthIndicator) extras.dataLength = synchSafe(bytes, 4);
    } else {
        if (formatFlags & FormatFlag::kCompression) {
            extras.dataLength = bigEndian32(bytes);
            bytes += 4;
        }
        if (formatFlags & FormatFlag::kEncryption) extras.encryptionMethod = *bytes++;
        if (formatFlags & FormatFlag::kGrouping) extras.groupIdentifier = *bytes;
    }
    return extras;
}

}  // namespace plk
