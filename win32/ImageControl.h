// A picture control: a child window showing a bitmap of its own size, onto
// which pictures of an image strip are drawn. It reports the mouse to its
// window through the callbacks.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "win32/Handles.h"
#include "win32/Window.h"

namespace plk {

class ImageControl : public Window {
public:
    ImageControl(HWND parent, int x, int y, int width, int height);

    // Draws picture number index of the strip at (0, 0) and shows it. An
    // index the strip does not have draws nothing and keeps the picture.
    void drawImage(HIMAGELIST strip, int index);

    std::function<void()> onClick;                    // left button pressed and released on it
    std::function<void(POINT screenPoint)> onContextMenu;
    std::function<void()> onMouseDown;                // any button
    std::function<void()> onMouseUp;
    std::function<void(WPARAM keys)> onMouseMove;     // MK_CONTROL, MK_LBUTTON, ...

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paint();
    void buttonDown(bool left);
    void buttonUp(bool left);

    int width_, height_;
    BitmapHandle picture_;
    bool leftPressed_ = false;
};

}  // namespace plk
