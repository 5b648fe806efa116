// The bytes of one stretch of a song file, read in order: a FLAC metadata
// block, an MP4 atom's body, an ASF object.
#pragma once

#include <cstdint>

#include "tags/ByteSource.h"

namespace plk {

class MetadataFile;

class FileSpan : public ByteSource {
public:
    FileSpan(MetadataFile& file, std::uint64_t offset, std::uint64_t size) : file_(file), offset_(offset), left_(size) {}

    void read(std::uint8_t* bytes, std::size_t n) override;
    void skip(std::uint64_t n) override;
    std::uint64_t remaining() const { return left_; }
    std::uint64_t offset() const { return offset_; }

private:
    MetadataFile& file_;
    std::uint64_t offset_;
    std::uint64_t left_;
};

}  // namespace plk
