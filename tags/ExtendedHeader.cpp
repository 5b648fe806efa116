#include "tags/ExtendedHeader.h"

#include <cstddef>

#include "tags/SynchData.h"

namespace plk {

ExtendedHeader ExtendedHeader::parseVersion3(const std::uint8_t (&bytes)[kVersion3Size]) {
    ExtendedHeader header;
    header.size = bigEndian32(bytes);
    if (bytes[4] & 0x80) header.flags = ExtendedFlag::kCrc;
    header.unknownFlags = (bytes[4] & 0x7F) != 0 || bytes[5] != 0;
    header.paddingSize = bigEndian32(bytes + 6);
    return header;
}

void ExtendedHeader::setVersion3Crc(const std::uint8_t* bytes) { crc = bigEndian32(bytes); }

namespace {

// Walks the flag data of a version 4 extended header: each set flag owns a
// length byte and that many bytes, in the order of the flag bits
// (id3v2.4.0-structure §3.2). What the
// header's size leaves out of it is simply not there.
class FlagData {
public:
    FlagData(const std::vector<std::uint8_t>& bytes, std::size_t start) : bytes_(bytes), at_(start) {}

    // The next flag's length byte, or -1 when even that lies beyond the header.
    int declaredLength() const { return at_ < bytes_.size() ? bytes_[at_] : -1; }
    // Whether the whole of the next flag's data lies within the header.
    bool present() const { return declaredLength() >= 0 && at_ + 1 + bytes_[at_] <= bytes_.size(); }
    const std::uint8_t* data() const { return bytes_.data() + at_ + 1; }
    void next() { at_ = declaredLength() < 0 ? at_ : at_ + 1 + bytes_[at_]; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
};

}  // namespace

bool ExtendedHeader::parseVersion4(const std::vector<std::uint8_t>& bytes, ExtendedHeader& header) {
    if (bytes.size() < kVersion4MinimumSize) return false;
    header = ExtendedHeader();
    header.size = synchSafe(bytes.data(), 4);
    const std::uint8_t flagBytes = bytes[4];
    if (flagBytes < 1) return false;
    const std::uint8_t flags = bytes[5];
    header.flags = flags & (ExtendedFlag::kUpdate | ExtendedFlag::kCrc | ExtendedFlag::kRestrictions);
    header.unknownFlags = (flags & 0x8F) != 0 || flagBytes > 1;

    FlagData data(bytes, 5 + std::size_t{flagBytes});
    // Bit 0x80 is not defined, but its data comes first and must be stepped over.
    for (const std::uint8_t skipped : {std::uint8_t{0x80}, ExtendedFlag::kUpdate})
        if (flags & skipped) data.next();
    if (flags & ExtendedFlag::kCrc) {
        const int length = data.declaredLength();
        if (length >= 0 && length < 5) return false;
        if (data.present()) header.crc = synchSafe(data.data(), 5);
        data.next();  // past the whole declared length, so the next flag's data lines up
    }
    if ((flags & ExtendedFlag::kRestrictions) && data.present() && data.declaredLength() > 0)
        header.restrictions = data.data()[0];
    return true;
}

}  // namespace plk
