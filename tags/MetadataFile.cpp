#include "tags/MetadataFile.h"

#include <algorithm>
#include <cstring>

#include "tags/MetadataLimits.h"
#include "tags/MetadataRefused.h"

namespace plk {

MetadataFile::MetadataFile(const std::string& path) : file_(path, File::Access::kRead) {
    size_ = static_cast<std::uint64_t>(file_.size());
}

void MetadataFile::read(std::uint64_t offset, std::uint8_t* bytes, std::size_t n) {
    if (offset > size_ || n > size_ - offset) throw MetadataRefused("beyond the end of the file");
    if (readSome(offset, bytes, n) != n) throw MetadataRefused("the file ended early");
}

std::size_t MetadataFile::readSome(std::uint64_t offset, std::uint8_t* bytes, std::size_t n) {
    if (offset >= size_) return 0;
    n = static_cast<std::size_t>(std::min<std::uint64_t>(n, size_ - offset));
    if (n == 0) return 0;
    const bool cached = offset >= cacheOffset_ && offset + n <= cacheOffset_ + cache_.size();
    if (!cached) {
        if (n > kCacheSize) {
            fetch(offset, bytes, n);
            return n;
        }
        cache_.clear();  // until the fetch has filled it
        std::vector<std::uint8_t> block(static_cast<std::size_t>(std::min<std::uint64_t>(kCacheSize, size_ - offset)));
        fetch(offset, block.data(), block.size());
        cache_.swap(block);
        cacheOffset_ = offset;
    }
    std::memcpy(bytes, cache_.data() + (offset - cacheOffset_), n);
    return n;
}

void MetadataFile::fetch(std::uint64_t offset, std::uint8_t* bytes, std::size_t n) {
    spent_ += n;
    if (spent_ > kMetadataReadBudget) throw MetadataRefused("read budget spent");
    file_.seek(static_cast<std::int64_t>(offset));
    // The size was taken at opening: a file that shrank since ends early.
    if (file_.read(bytes, n) != n) throw MetadataRefused("the file ended early");
}

}  // namespace plk
