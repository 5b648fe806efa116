// Written by tools/art/make_art.py: the display scales, in per cent,
// that the theme strips are drawn at, smallest first.
#pragma once

#define PLINKETY_ART_SCALES 100, 125, 150, 175, 200, 250, 300
