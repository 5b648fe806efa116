#include "played/PathPositions.h"

namespace plk {
namespace {

// FNV-1a, 32 bits: quick over short strings, and spread well enough for
// paths that differ only in their last characters.
std::uint32_t pathHash(std::string_view path) {
    std::uint32_t hash = 2166136261u;
    for (const char c : path) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

// At most half full, so that a probe ends soon.
std::size_t tableSize(std::size_t records) {
    std::size_t size = 16;
    while (size < 2 * records) size *= 2;
    return size;
}

}  // namespace

std::string_view pathView(const TLibraryRecord& record) {
    return std::string_view(record.Path.chars, record.Path.length);
}

PathPositions::PathPositions(const TLibrary& library)
    : library_(library), slots_(tableSize(library.size())), mask_(slots_.size() - 1) {
    for (std::size_t position = 0; position < library.size(); ++position) {
        const std::size_t slot = slotOf(pathView(library[position]));
        if (slots_[slot] == 0) slots_[slot] = static_cast<std::uint32_t>(position + 1);
    }
}

std::size_t PathPositions::slotOf(std::string_view path) const {
    std::size_t slot = pathHash(path) & mask_;
    while (slots_[slot] != 0 && pathView(library_[slots_[slot] - 1]) != path) slot = (slot + 1) & mask_;
    return slot;
}

std::uint32_t PathPositions::find(std::string_view path) const {
    const std::uint32_t stored = slots_[slotOf(path)];
    return stored == 0 ? kNone : stored - 1;
}

bool PathPositions::isFirst(std::uint32_t position) const {
    return find(pathView(library_[position])) == position;
}

}  // namespace plk
