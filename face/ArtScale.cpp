#include "face/ArtScale.h"

#include "display/DisplayScale.h"

namespace plk {

int artScaleFor(int dpi) {
    for (int percent : kArtScales)
        if (artDpi(percent) >= dpi) return percent;
    return kArtScales[kArtScaleCount - 1];
}

int artDpi(int percent) { return kBaseDpi * percent / 100; }

}  // namespace plk
