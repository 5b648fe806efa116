// A list of paths kept in one buffer: the songs of a round while the
// library they came from is reloaded, without an allocation per song.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "library/LibraryRecord.h"

namespace plk {

// The path bytes of a record, without a copy.
inline std::string_view pathView(const TLibraryRecord& record) {
    return std::string_view(record.Path.chars, record.Path.length);
}

class PathList {
public:
    void add(std::string_view path);
    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](std::size_t index) const;

private:
    std::string bytes_;
    std::vector<std::uint32_t> ends_;  // where each path ends in bytes_
};

}  // namespace plk
