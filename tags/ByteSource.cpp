#include "tags/ByteSource.h"

#include <algorithm>

#include "tags/ByteOrder.h"
#include "tags/MetadataLimits.h"

namespace plk {

std::uint32_t readLittleEndian32(ByteSource& source) {
    std::uint8_t bytes[4];
    source.read(bytes, sizeof bytes);
    return static_cast<std::uint32_t>(littleEndian(bytes, 4));
}

std::vector<std::uint8_t> readCappedValue(ByteSource& source, std::uint64_t length) {
    std::vector<std::uint8_t> value(static_cast<std::size_t>(std::min<std::uint64_t>(length, kMaxValueBytes)));
    source.read(value.data(), value.size());
    source.skip(length - value.size());
    return value;
}

}  // namespace plk
