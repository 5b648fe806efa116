// A one-line text that works as a link: the dialog font underlined, a hand
// cursor, drawn on the dialog's face colour, with click and pointer
// enter/leave callbacks so that its window can change its colour.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "gui/MouseTracking.h"
#include "gui/Window.h"
#include "system/Handles.h"

namespace plk {

class LinkLabel : public Window {
public:
    LinkLabel(HWND parent, const std::string& text, int x, int y, int width, int height, COLORREF colour);

    void setColour(COLORREF colour);
    COLORREF colour() const { return colour_; }
    // The pointer is on the link (between its enter and its leave).
    bool pointerOn() const { return pointer_.inside(); }
    const std::string& text() const { return text_; }

    std::function<void()> onClick;  // left button pressed and released on it
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseLeave;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint();

    std::string text_;
    COLORREF colour_;
    FontHandle font_;
    PointerPresence pointer_;
    bool pressed_ = false;
};

}  // namespace plk
