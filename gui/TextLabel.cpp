#include "gui/TextLabel.h"

#include "system/Handles.h"

namespace plk {

void TextLabel::paint(HDC dc, HFONT font, int dx, int dy) const {
    RECT box = bounds_;
    OffsetRect(&box, dx, dy);
    SelectObjectScope selected(dc, font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour_);
    // Song titles and artists are the user's data: "R&B" stays "R&B". The
    // wide call draws every script whatever the system's code page; a
    // character the font lacks comes from a linked font where the system
    // keeps one.
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &box,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
}

}  // namespace plk
