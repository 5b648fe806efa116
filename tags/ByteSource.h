// Bytes read in order from a part of a song file: a FLAC metadata block, an
// MP4 atom, or an Ogg packet that the page framing cuts into pieces. Readers
// of a structure nested inside any of them (the Vorbis comment list) read
// through this, and pass over what they do not need without reading it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plk {

class ByteSource {
public:
    // Exactly n bytes; throws MetadataRefused when the part ends first.
    virtual void read(std::uint8_t* bytes, std::size_t n) = 0;
    // Passes over n bytes; throws MetadataRefused when the part ends first.
    virtual void skip(std::uint64_t n) = 0;

protected:
    ~ByteSource() = default;
};

std::uint32_t readLittleEndian32(ByteSource& source);

// A text value of length bytes: its first kMaxValueBytes read, the rest
// passed over.
std::vector<std::uint8_t> readCappedValue(ByteSource& source, std::uint64_t length);

}  // namespace plk
