// A layered window whose alpha, visibility and timers follow a fade state:
// plain state (no windows.h) that the window's requests and timer ticks step.
// Every change of that state goes through update(), which then makes the
// window match it. The window draws its frame (Shape1) round its children
// and never takes the keyboard from the user's window.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "face/FaceFrame.h"
#include "gui/FadeTimers.h"
#include "gui/LayeredWindow.h"
#include "gui/Window.h"
#include "system/Handles.h"

namespace plk {

// Fade has alpha(), visible() and running(timer id).
template <typename Fade>
class FadingWindow : public Window {
public:
    // Hides the window at once when it is visible (the Play button's drag).
    void hideAtOnce() {
        update([](Fade& fade) {
            if (fade.visible()) fade.hide();
        });
    }

protected:
    FadingWindow() : timers_(FadeTimers::of<Fade>()) {}

    const Fade& fade() const { return fade_; }

    // Creates the window, borderless, layered and hidden, at its fade's
    // alpha, laid out for dpi.
    void createLayered(const char* className, const std::string& text, int width, int height, int dpi) {
        WindowParams params = layeredWindowParams(className, text, width, height);
        params.dpi = dpi;
        create(params);
        setFaceAlpha(hwnd(), fade_.alpha());
    }

    // Runs change on the fade state, then starts and stops the timers, sets
    // the alpha, and shows the window (placed by FormShow first) or hides it
    // (FormHide after) when its visibility changed.
    template <typename Change>
    void update(Change&& change) {
        const bool wasVisible = fade_.visible();
        std::invoke(std::forward<Change>(change), fade_);
        timers_.sync(hwnd(), [this](UINT id) { return fade_.running(static_cast<int>(id)); });
        setFaceAlpha(hwnd(), fade_.alpha());
        if (fade_.visible() && !wasVisible) {
            FormShow();
            // Never activated: the user's window keeps the keyboard.
            show(SW_SHOWNOACTIVATE);
        } else if (!fade_.visible() && wasVisible) {
            hide();
            FormHide();
        }
    }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_PAINT:
            paintFrame();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_TIMER:
            update([wParam](Fade& fade) { fade.tick(static_cast<int>(wParam)); });
            return 0;
        case WM_MOUSEACTIVATE:
            // A click leaves the keyboard where it was; an active window
            // hidden under the pointer would also end a drag of the Play button.
            return MA_NOACTIVATE;
        default:
            return defaultHandling(message, wParam, lParam);
        }
    }

    // Places the window just before it becomes visible.
    virtual void FormShow() = 0;
    // What goes with hiding besides the fade state's own reset.
    virtual void FormHide() {}

private:
    void paintFrame() {
        const PaintDc dc(hwnd());
        RECT client{};
        GetClientRect(hwnd(), &client);
        drawFaceFrame(dc.get(), PixelSize{client.right, client.bottom},
                      static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), scale());
    }

    Fade fade_;
    FadeTimers timers_;
};

}  // namespace plk
