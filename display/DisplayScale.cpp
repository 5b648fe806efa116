#include "display/DisplayScale.h"

#include <cstdint>

namespace plk {

DisplayScale::DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

int DisplayScale::px(int length) const {
    // Wide enough for any length times any DPI; halves go away from zero.
    const std::int64_t product = static_cast<std::int64_t>(length) * dpi_;
    const std::int64_t magnitude = (product < 0 ? -product : product) + kBaseDpi / 2;
    const std::int64_t rounded = magnitude / kBaseDpi;
    return static_cast<int>(product < 0 ? -rounded : rounded);
}

}  // namespace plk
