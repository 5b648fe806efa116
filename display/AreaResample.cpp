#include "display/AreaResample.h"

#include <algorithm>

namespace plk {
namespace {

struct Share {
    int source;  // index of the old pixel
    int weight;  // how much of it the new pixel covers, in 1/oldLength of a new pixel
};

// Along one axis: new pixel i covers [i * from, (i + 1) * from) and old
// pixel j covers [j * to, (j + 1) * to) in units of 1 / (from * to) of the
// picture, so the overlaps are whole numbers summing to from for each new pixel.
std::vector<std::vector<Share>> shares(int from, int to) {
    std::vector<std::vector<Share>> result(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) {
        const long long begin = static_cast<long long>(i) * from, end = begin + from;
        for (int j = static_cast<int>(begin / to); j < from && static_cast<long long>(j) * to < end; ++j) {
            const long long overlap = std::min(end, static_cast<long long>(j + 1) * to) -
                                      std::max(begin, static_cast<long long>(j) * to);
            if (overlap > 0) result[static_cast<std::size_t>(i)].push_back({j, static_cast<int>(overlap)});
        }
    }
    return result;
}

}  // namespace

Pixels resampleArea(const Pixels& source, int width, int height, const Colour& colourKey) {
    if (source.width <= 0 || source.height <= 0 || width <= 0 || height <= 0) return Pixels();
    const auto across = shares(source.width, width);
    const auto down = shares(source.height, height);
    const unsigned long long total = static_cast<unsigned long long>(source.width) * source.height;
    Pixels result(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned long long sum[3] = {0, 0, 0};
            bool allKey = true;
            for (const Share& row : down[static_cast<std::size_t>(y)]) {
                for (const Share& column : across[static_cast<std::size_t>(x)]) {
                    const std::uint8_t* p = source.at(column.source, row.source);
                    const unsigned long long weight = static_cast<unsigned long long>(row.weight) * column.weight;
                    for (int c = 0; c < 3; ++c) sum[c] += weight * p[c];
                    allKey = allKey && p[0] == colourKey[0] && p[1] == colourKey[1] && p[2] == colourKey[2];
                }
            }
            std::uint8_t* out = result.at(x, y);
            for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>((sum[c] + total / 2) / total);
            if (!allKey && out[0] == colourKey[0] && out[1] == colourKey[1] && out[2] == colourKey[2])
                out[1] = static_cast<std::uint8_t>(colourKey[1] < 255 ? colourKey[1] + 1 : 254);
        }
    }
    return result;
}

}  // namespace plk
