// The Play button's whole-window alpha and its fade-out to rest: 5 every
// 10 ms down to 125.
#include "app/PlayButton.h"

namespace plk {
namespace {

const COLORREF kColourKey = RGB(255, 0, 255);
const BYTE kRestAlpha = 125;
const BYTE kFadeStep = 5;
const UINT kFadeIntervalMs = 10;

}  // namespace

void TForm1::setAlpha(BYTE alpha) {
    alpha_ = alpha;
    SetLayeredWindowAttributes(hwnd(), kColourKey, alpha, LWA_COLORKEY | LWA_ALPHA);
}

void TForm1::startFadeOut() {
    if (!fadeOut_) {
        fadeOut_ = std::make_unique<WindowTimer>(hwnd(), kFadeIntervalMs, [this] {
            if (alpha_ > kRestAlpha) {
                setAlpha(static_cast<BYTE>(alpha_ - kFadeStep));
            } else {
                fadeOut_->stop();
                setAlpha(kRestAlpha);
            }
        });
    }
    fadeOut_->start();
}

}  // namespace plk
