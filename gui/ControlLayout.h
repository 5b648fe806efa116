// The controls of a dialog as laid out in 96-DPI pixels, so that they can be
// placed again, with the dialog font of that DPI, when the dialog moves to a
// monitor of another DPI. Controls made by Controls.h on one of the program's
// windows are added to its layout.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "display/DisplayScale.h"

namespace plk {

// Where a control goes in its parent's client area, in pixels at 96 DPI.
struct ControlRect {
    int x, y, width, height;
};

// rect at scale. A width or height of 0 sizes the control to its text in
// that scale's dialog font.
ControlRect placeControl(const ControlRect& rect, const std::string& text, const DisplayScale& scale);

class ControlLayout {
public:
    void add(HWND control, const ControlRect& rect) { controls_.push_back({control, rect}); }
    // Places every control at scale and gives it the dialog font of that scale.
    void apply(const DisplayScale& scale) const;

private:
    struct Placed {
        HWND control;
        ControlRect rect;
    };
    std::vector<Placed> controls_;
};

}  // namespace plk
