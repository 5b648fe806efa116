#include "gui/ControlLayout.h"

#include "gui/Controls.h"

namespace plk {

ControlRect placeControl(const ControlRect& rect, const std::string& text, const DisplayScale& scale) {
    ControlRect placed{scale.px(rect.x), scale.px(rect.y), scale.px(rect.width), scale.px(rect.height)};
    if (rect.width == 0 || rect.height == 0) {
        const SIZE size = textSize(text, dialogFont(scale.dpi()));
        if (rect.width == 0) placed.width = size.cx;
        if (rect.height == 0) placed.height = size.cy;
    }
    return placed;
}

void ControlLayout::apply(const DisplayScale& scale) const {
    const HFONT font = dialogFont(scale.dpi());
    for (const Placed& entry : controls_) {
        const ControlRect rect = placeControl(entry.rect, controlText(entry.control), scale);
        SendMessageA(entry.control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        MoveWindow(entry.control, rect.x, rect.y, rect.width, rect.height, TRUE);
    }
}

}  // namespace plk
