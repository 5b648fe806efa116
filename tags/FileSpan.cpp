#include "tags/FileSpan.h"

#include "tags/MetadataFile.h"
#include "tags/MetadataRefused.h"

namespace plk {

void FileSpan::read(std::uint8_t* bytes, std::size_t n) {
    if (n > left_) throw MetadataRefused("past the end of its part");
    file_.read(offset_, bytes, n);
    offset_ += n;
    left_ -= n;
}

void FileSpan::skip(std::uint64_t n) {
    if (n > left_) throw MetadataRefused("past the end of its part");
    offset_ += n;
    left_ -= n;
}

}  // namespace plk
