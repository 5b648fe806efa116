#include "tags/ExtendedHeader.h"

#include <cstddef>

#include "tags/SynchData.h"

namespace plk {

ExtendedHeader ExtendedHeader::ParseVersion3(const std::uint8_t (&bytes)[Version3Size]) {
    ExtendedHeader header;
    header.size = BigEndian32(bytes);
    if (bytes[4] & 0x80) header.flags = ExtendedFlag::Crc;
    header.unknownFlags = (bytes[4] & 0x7F) != 0 || bytes[5] != 0;
    header.paddingSize = BigEndian32(bytes + 6);
    return header;
}

void ExtendedHeader::SetVersion3Crc(const std::uint8_t* bytes) { crc = BigEndian32(bytes); }

namespace {

// Walks the flag data of a version 4 extended header: each set flag owns a
// length byte and that many bytes, in the order of the flag bits.
class FlagData {
public:
    FlagData(const std::vector<std::uint8_t>& bytes, std::size_t start) : bytes_(bytes), at_(start) {}

    // The data length of the next flag, or -1 when it would run past the end.
    int length() const {
        if (at_ >= bytes_.size()) return -1;
        const std::size_t length = bytes_[at_];
        return at_ + 1 + length <= bytes_.size() ? static_cast<int>(length) : -1;
    }
    const std::uint8_t* data() const { return bytes_.data() + at_ + 1; }
    void next() { at_ += 1 + bytes_[at_]; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t at_;
};

}  // namespace

bool ExtendedHeader::ParseVersion4(const std::vector<std::uint8_t>& bytes, ExtendedHeader& header) {
    if (bytes.size() < Version4MinimumSize) return false;
    header = ExtendedHeader();
    header.size = SynchSafe(bytes.data(), 4);
    const std::uint8_t flagBytes = bytes[4];
    if (flagBytes < 1) return false;
    const std::uint8_t flags = bytes[5];
    header.flags = flags & (ExtendedFlag::Update | ExtendedFlag::Crc | ExtendedFlag::Restrictions);
    header.unknownFlags = (flags & 0x8F) != 0 || flagBytes > 1;

    FlagData data(bytes, 5 + std::size_t{flagBytes});
    // Bit 0x80 is not defined, but its data comes first and must be stepped over.
    for (const std::uint8_t skipped : {std::uint8_t{0x80}, ExtendedFlag::Update}) {
        if (!(flags & skipped)) continue;
        if (data.length() < 0) return false;
        data.next();
    }
    if (flags & ExtendedFlag::Crc) {
        if (data.length() < 5) return false;
        header.crc = SynchSafe(data.data(), 5);
        data.next();  // past the whole declared length, so the next flag's data lines up
    }
    if (flags & ExtendedFlag::Restrictions) {
        const int length = data.length();
        if (length < 0) return false;
        if (length > 0) header.restrictions = data.data()[0];
    }
    return true;
}

}  // namespace plk
