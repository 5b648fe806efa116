// The Play Again button: a small window that sits on the Play button's top
// edge while the pointer is on the Play button, brightens under the pointer
// and opens the last song again when clicked. Its fades are PlayAgainFade;
// this window applies them.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "face/CompanionWindow.h"
#include "face/PlayAgainFade.h"

namespace plk {

class TForm6 : public CompanionWindow<PlayAgainFade> {
public:
    // What the button needs of the Play button window.
    struct Links {
        HWND playButton = nullptr;         // its place
        int theme = 0;                     // Theme as read at start
        std::function<void()> playAgain;   // opens the last song again
    };

    explicit TForm6(Links links);

    // Shows the button (placed above the Play button when it was hidden) and
    // raises it to rest.
    void appear();
    // Fades the button away and hides it, unless it is hidden or flashing.
    void dismiss();
    // Shows the button, flashes it up and fades it out.
    void flash();
    // True when the screen point lies in the column from the Play button up
    // to this button's top, between the Play button's left and right edges.
    bool pointerInColumn(POINT screenPoint) const;

    // The pointer and the mouse buttons on the picture.
    void CMMouseEnter();
    void CMMouseLeave();
    void Image1MouseDown();
    void Image1MouseUp();
    void Image1Click();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    void FormShow() override;

    Links links_;
};

}  // namespace plk
