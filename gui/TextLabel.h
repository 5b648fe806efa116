// A windowless label drawn onto a picture: one line of Unicode text in a
// fixed box, transparent, cut off at the box's edges, and drawn literally: an
// "&" is a character of the text, never an access-key marker.
#pragma once

#include <windows.h>

#include <string>

namespace plk {

class TextLabel {
public:
    // bounds in the coordinates of the surface the label is painted on.
    explicit TextLabel(RECT bounds) : bounds_(bounds) {}

    // As with a window's text, the label's text ends at its first NUL.
    void setText(const std::wstring& text) { text_ = text.c_str(); }
    const std::wstring& text() const { return text_; }
    void setColour(COLORREF colour) { colour_ = colour; }
    COLORREF colour() const { return colour_; }
    const RECT& bounds() const { return bounds_; }
    void setBounds(const RECT& bounds) { bounds_ = bounds; }

    // Draws the text onto dc in font, shifted by (dx, dy).
    void paint(HDC dc, HFONT font, int dx, int dy) const;

private:
    RECT bounds_;
    std::wstring text_;
    COLORREF colour_ = RGB(255, 255, 255);
};

}  // namespace plk
