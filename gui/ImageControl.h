// A picture control: a child window showing a bitmap of its own size, onto
// which pictures of an image strip are drawn, with whatever its window paints
// over it. It reports the mouse to its window through the callbacks.
#pragma once

#include <windows.h>

#include <functional>

#include "gui/ImageStrip.h"
#include "gui/MouseTracking.h"
#include "gui/Window.h"
#include "system/Handles.h"

namespace plk {

class ImageControl : public Window {
public:
    ImageControl(HWND parent, int x, int y, int width, int height);

    // Moves the control to (x, y) at width × height, with a new blank picture
    // of that size: the window's scale changed, and it draws its picture anew.
    void place(int x, int y, int width, int height);
    // Draws picture number index of the strip at (0, 0) and shows it. An
    // index the strip does not have draws nothing and keeps the picture.
    void drawImage(const ImageStrip& strip, int index);
    // Paints the control now, not at the next quiet moment of the message loop.
    void repaint() const;
    // Has the control painted again at the next quiet moment.
    void invalidate() const;

    std::function<void()> onClick;                    // left button pressed and released on it
    std::function<void(POINT screenPoint)> onContextMenu;
    std::function<void()> onMouseDown;                // any button
    std::function<void()> onMouseUp;
    std::function<void(WPARAM keys)> onMouseMove;     // MK_CONTROL, MK_LBUTTON, ...
    std::function<void()> onMouseEnter;               // the pointer came onto the control
    std::function<void()> onMouseLeave;               // ... and left it
    // Paints over the picture (labels), in the control's coordinates.
    std::function<void(HDC)> onPaintOver;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void clearPicture();
    void paint();
    void paintOn(HDC target) const;
    void mouseMove(WPARAM keys);
    void buttonDown(bool left);
    void buttonUp(bool left, POINT at);  // at: in client coordinates

    int width_, height_;
    BitmapHandle picture_;
    bool leftPressed_ = false;
    PointerPresence pointer_;
};

}  // namespace plk
