// The caps every metadata reader keeps to, whatever a file's count and size
// fields say. The popup reads on the GUI thread, so a file of any size, a
// damaged or hostile one included, must cost a bounded amount of work.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plk {

// Bytes taken from one file in all, headers and texts together, each read
// of the system counted whole (MetadataFile reads ahead up to 1 KB). Seeking
// over media, pictures and other fields costs nothing against it.
constexpr std::uint64_t kMetadataReadBudget = 4u << 20;
// Bytes of one title or artist value read; the rest of a longer value is
// passed over. The popup's line shows a few dozen characters.
constexpr std::size_t kMaxValueBytes = 4096;
// UTF-16 units of a title or artist after several values are joined.
constexpr std::size_t kMaxJoinedUnits = 8192;
// Structures walked in one file: metadata blocks, Ogg pages, atoms, objects.
constexpr unsigned kMaxStructures = 4096;
// Fields of one Vorbis comment list.
constexpr std::uint32_t kMaxComments = 65536;

}  // namespace plk
