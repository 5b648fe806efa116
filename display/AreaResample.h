// Resizing pictures for display scales between those the artwork was drawn
// for. An area filter: each new pixel is the mean of the part of the
// picture it covers, weighted by how much of each old pixel lies in it, so
// a reduction keeps fine lines and never rings.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace plk {

// Three bytes a pixel (in whatever channel order the caller keeps), rows
// top first, no padding.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    Pixels() = default;
    Pixels(int w, int h) : width(w), height(h), bytes(static_cast<std::size_t>(w) * h * 3) {}
    std::uint8_t* at(int x, int y) { return &bytes[(static_cast<std::size_t>(y) * width + x) * 3]; }
    const std::uint8_t* at(int x, int y) const { return &bytes[(static_cast<std::size_t>(y) * width + x) * 3]; }
};

using Colour = std::array<std::uint8_t, 3>;

// source at width × height. A new pixel comes out exactly colourKey only
// where everything it covers is colourKey: a mean that merely rounds to the
// key is moved one step off it, so a layered window's transparency key cuts
// only where it cut before. An empty source or size gives an empty picture.
Pixels resampleArea(const Pixels& source, int width, int height, const Colour& colourKey);

}  // namespace plk
