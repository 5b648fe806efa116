// The Play button's two companions, the Song Tag popup (TForm4) and Play
// Again (TForm6): fading windows that show a theme strip at the Play
// button's DPI, follow its DPI changes and place themselves beside it.
#pragma once

#include <windows.h>

#include <memory>

#include "face/FaceLayout.h"
#include "face/FadingWindow.h"
#include "face/ThemeStrip.h"
#include "gui/ImageControl.h"
#include "gui/ImageStrip.h"
#include "gui/LayeredWindow.h"

namespace plk {

// What the Play button asks of each companion, whatever its fade.
class Companion {
public:
    virtual ~Companion() = default;
    // Picture number theme of the strip, and the repaint.
    virtual void drawTheme(int theme) = 0;
    virtual void repaintImage() const = 0;
    // Lays the window out for dpi, the Play button's; placed anew if shown.
    virtual void setDpi(int dpi) = 0;
    // Hides the window at once when it is visible: the Play button moves,
    // and the companion is placed beside it afresh the next time it shows.
    virtual void hideAtOnce() = 0;
};

// What tells one companion from the other.
struct CompanionShape {
    const char* className;
    const char* text;
    int stripResource;                            // its theme strip's 100 % resource
    CompanionPlace (FaceLayout::*place)() const;  // its size and place beside the button
};

template <typename Fade>
class CompanionWindow : public FadingWindow<Fade>, public Companion {
public:
    void drawTheme(int theme) override {
        theme_ = theme;
        Image1->drawImage(ImageList1, theme);
    }
    void repaintImage() const override { Image1->repaint(); }
    void setDpi(int dpi) override {
        const DisplayScale scale(dpi);
        if (scale == this->scale()) return;
        this->setScale(scale);
        layOut();
        drawTheme(theme_);
        if (this->visible()) this->FormShow();
    }
    void hideAtOnce() override { FadingWindow<Fade>::hideAtOnce(); }

    HWND image() const { return Image1->hwnd(); }

protected:
    // Creates the hidden window and its picture, laid out for the Play
    // button's monitor; the derived window then calls layOut() and draws theme.
    CompanionWindow(const CompanionShape& shape, HWND playButton, int theme)
        : shape_(shape), playButton_(playButton), theme_(theme) {
        const DisplayScale scale = playButton ? Window::scaleOf(playButton) : DisplayScale();
        const FaceLayout face = faceLayout(scale);
        const PixelSize window = (face.*shape_.place)().window;
        this->createLayered(shape_.className, shape_.text, window.width, window.height, scale.dpi());
        const PixelSize picture = face.inside(window);
        Image1 = std::make_unique<ImageControl>(this->hwnd(), face.frame, face.frame, picture.width, picture.height);
    }

    HWND playButton() const { return playButton_; }
    int theme() const { return theme_; }

    // The strip and the picture at the window's scale.
    virtual void layOut() {
        const FaceLayout face = faceLayout(this->scale());
        const PixelSize picture = face.inside((face.*shape_.place)().window);
        ImageList1 = loadThemeStrip(shape_.stripResource, this->scale(), picture);
        Image1->place(face.frame, face.frame, picture.width, picture.height);
    }

    // Sized for the Play button's DPI, which may have changed meanwhile with
    // its monitor, and moved to its place beside the button.
    void placeBesideButton() {
        setDpi(Window::scaleOf(playButton_).dpi());
        const CompanionPlace place = (faceLayout(this->scale()).*shape_.place)();
        RECT button{};
        GetWindowRect(playButton_, &button);
        moveWindowTo(this->hwnd(), button.left + place.left, button.top + place.top, place.window.width,
                     place.window.height);
    }

    std::unique_ptr<ImageControl> Image1;

private:
    CompanionShape shape_;
    HWND playButton_;
    int theme_;  // the picture shown, drawn again at a new DPI
    ImageStrip ImageList1;
};

}  // namespace plk
