// A song file opened for its metadata. Reads go to any offset through one
// small cache, so the headers that lie side by side cost one request to the
// system; every byte taken from the file counts against kMetadataReadBudget.
// Reading past the file's end, or past the budget, refuses the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/File.h"

namespace plk {

class MetadataFile {
public:
    static constexpr std::size_t kCacheSize = 1024;

    // Opened shared, as the ID3v1 check opens a song. Throws FileError.
    explicit MetadataFile(const std::string& path);

    std::uint64_t size() const { return size_; }
    // Exactly n bytes from offset into bytes; throws MetadataRefused when the
    // file ends first or the budget runs out.
    void read(std::uint64_t offset, std::uint8_t* bytes, std::size_t n);
    // Up to n bytes from offset, fewer at the end of the file; the count.
    std::size_t readSome(std::uint64_t offset, std::uint8_t* bytes, std::size_t n);
    std::uint64_t bytesRead() const { return spent_; }

private:
    void fetch(std::uint64_t offset, std::uint8_t* bytes, std::size_t n);

    File file_;
    std::uint64_t size_ = 0;
    std::vector<std::uint8_t> cache_;
    std::uint64_t cacheOffset_ = 0;
    std::uint64_t spent_ = 0;
};

}  // namespace plk
