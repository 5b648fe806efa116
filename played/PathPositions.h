// Where each path stands in the library: an open-addressing table of record
// positions, keyed by the records' own path bytes, so that it holds four
// bytes a slot and copies no path. Built when the library is loaded, to
// match the songs of a round by path, and dropped again.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "library/IndexFile.h"

namespace plk {

class PathPositions {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    // library must outlive the table and stay unchanged.
    explicit PathPositions(const TLibrary& library);

    // The first position that holds path, or kNone.
    std::uint32_t find(std::string_view path) const;
    // Whether position is the first record of its path: a file that matched
    // two of a rebuild's patterns has two records.
    bool isFirst(std::uint32_t position) const;

private:
    std::size_t slotOf(std::string_view path) const;

    const TLibrary& library_;
    std::vector<std::uint32_t> slots_;  // position + 1; 0 for an empty slot
    std::size_t mask_ = 0;
};

// The path bytes of a record, without a copy.
std::string_view pathView(const TLibraryRecord& record);

}  // namespace plk
