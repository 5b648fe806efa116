// A list of paths kept in one buffer: the songs of a round while the
// library they came from is reloaded, without an allocation per song.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plk {

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
