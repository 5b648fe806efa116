// What the FLAC, Ogg, MP4 and ASF fuzz targets share: the input written to a
// file, read with one container's reader as the entry point would, then with
// the entry point itself; whatever the input, the reader refuses it cleanly
// or gives texts within their caps, and never reads past its budget.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plk {

class MetadataFile;
struct SongTags;

using ContainerReader = void (*)(MetadataFile& file, SongTags& tags);

int fuzzContainer(const std::uint8_t* data, std::size_t size, const char* extension, ContainerReader reader);

}  // namespace plk
