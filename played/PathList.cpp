#include "played/PathList.h"

namespace plk {

void PathList::add(std::string_view path) {
    bytes_.append(path);
    ends_.push_back(static_cast<std::uint32_t>(bytes_.size()));
}

std::string_view PathList::operator[](std::size_t index) const {
    const std::uint32_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(bytes_).substr(begin, ends_[index] - begin);
}

}  // namespace plk
