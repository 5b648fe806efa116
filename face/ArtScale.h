// The display scales the theme strips are drawn at, and which of them a
// display shows.
#pragma once

#include <cstddef>

#include "resources/art_scales.h"

namespace plk {

// In per cent, smallest first (tools/art/make_art.py holds the list and
// writes the header; the resource lines are written from it too).
const int kArtScales[] = {PLINKETY_ART_SCALES};
const std::size_t kArtScaleCount = sizeof kArtScales / sizeof kArtScales[0];

// The scale whose artwork a display of this DPI shows, reduced where the
// DPI lies between two: the nearest one at or above it, or the largest.
int artScaleFor(int dpi);

// The DPI an artwork scale was drawn for (125 % is 120 DPI).
int artDpi(int percent);

}  // namespace plk
