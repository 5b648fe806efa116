#include "tags/Id3v1Tag.h"

#include <cstring>

#include "platform/File.h"

namespace plk {
namespace {

const std::size_t kTitleOffset = 3;
const std::size_t kArtistOffset = 33;
const std::size_t kFieldSize = 30;

std::string field(const std::uint8_t* block, std::size_t offset) {
    const char* start = reinterpret_cast<const char*>(block + offset);
    const void* nul = std::memchr(start, 0, kFieldSize);
    return std::string(start, nul ? static_cast<const char*>(nul) : start + kFieldSize);
}

}  // namespace

bool parseId3v1Tag(const std::uint8_t* block, Id3v1Tag& tag) {
    if (std::memcmp(block, "TAG", 3) != 0) return false;
    tag.title = field(block, kTitleOffset);
    tag.artist = field(block, kArtistOffset);
    return true;
}

bool readId3v1Tag(const std::string& path, Id3v1Tag& tag) {
    File file(path, File::Access::kRead);
    const std::int64_t size = file.size();
    if (size < static_cast<std::int64_t>(kId3v1Size)) return false;
    std::uint8_t block[kId3v1Size];
    file.seek(size - static_cast<std::int64_t>(kId3v1Size));
    if (file.read(block, kId3v1Size) != kId3v1Size) return false;  // shrank meanwhile
    return parseId3v1Tag(block, tag);
}

}  // namespace plk
