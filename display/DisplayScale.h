// A monitor's display scale. Every window is laid out in pixels at 96 DPI
// (100 %); at another DPI each length is scaled by DPI / 96 and rounded to
// the nearest pixel, halves away from zero (as Windows' MulDiv rounds).
#pragma once

namespace plk {

const int kBaseDpi = 96;

class DisplayScale {
public:
    // A DPI the system cannot report (0 or less) counts as 96.
    explicit DisplayScale(int dpi = kBaseDpi);

    int dpi() const { return dpi_; }
    // A length of the 96-DPI layout at this scale.
    int px(int length) const;

    bool operator==(const DisplayScale& other) const { return dpi_ == other.dpi_; }
    bool operator!=(const DisplayScale& other) const { return dpi_ != other.dpi_; }

private:
    int dpi_;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize& other) const { return width == other.width && height == other.height; }
};

}  // namespace plk
