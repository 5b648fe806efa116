// An MP4 atom (ISO/IEC 14496-12 §4.2, a "box"): a 32-bit big-endian size and
// a four-character type; a size of 1 means a 64-bit size follows the type, a
// size of 0 that the atom runs to the end of what holds it. Atoms nest: the
// body of some holds further atoms.
#pragma once

#include <cstdint>

namespace plk {

class MetadataFile;

constexpr std::uint32_t atomType(const char (&name)[5]) {
    return (static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[0])) << 24) |
           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[2])) << 8) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[3]));
}

struct Mp4Atom {
    std::uint32_t type = 0;
    std::uint64_t offset = 0;  // of its size field, in the file
    std::uint64_t bodyOffset = 0;
    std::uint64_t end = 0;

    std::uint64_t bodySize() const { return end - bodyOffset; }
};

// The atom whose header begins at offset, inside a parent whose body ends at
// parentEnd. Throws MetadataRefused when the header does not fit, the size is
// smaller than the header, or the atom runs past its parent.
Mp4Atom readAtom(MetadataFile& file, std::uint64_t offset, std::uint64_t parentEnd);

// Walks the atoms from begin to end, each found by the size of the one
// before, so that media in between is never read; the first of this type, or
// false. Throws MetadataRefused (readAtom), or when kMaxStructures atoms are
// walked in one file (atoms counts them).
bool findAtom(MetadataFile& file, std::uint64_t begin, std::uint64_t end, std::uint32_t type, Mp4Atom& found,
              unsigned& atoms);

}  // namespace plk
