#include "playagain/PlayAgainButton.h"

#include <utility>

#include "playagain/PointerColumn.h"
#include "resources/resource.h"
#include "win32/ImageStrip.h"
#include "win32/LayeredWindow.h"
#include "win32/MouseTracking.h"

namespace plk {
namespace {

const int kWidth = 37;
const int kHeight = 15;
const int kImageWidth = 35;
const int kImageHeight = 13;
// The button's bottom row lies over the Play button's top row.
const int kAboveButton = 14;

}  // namespace

TForm6::TForm6(Links links)
    : FadingWindow(),
      links_(std::move(links)) {
    createLayered("TForm6", "Play Again", kWidth, kHeight);
    ImageList1 = loadImageStrip(IDB_PLAYAGAIN, kImageWidth, kImageHeight);
    Image1 = std::make_unique<ImageControl>(hwnd(), 1, 1, kImageWidth, kImageHeight);
    Image1->onMouseEnter = [this] { CMMouseEnter(); };
    Image1->onMouseLeave = [this] { CMMouseLeave(); };
    Image1->onMouseDown = [this] { Image1MouseDown(); };
    Image1->onMouseUp = [this] { Image1MouseUp(); };
    Image1->onClick = [this] { Image1Click(); };
    FormCreate();
}

void TForm6::FormCreate() { drawTheme(links_.theme); }

void TForm6::appear() { update(&PlayAgainFade::appear); }

void TForm6::dismiss() { update(&PlayAgainFade::dismiss); }

void TForm6::flash() { update(&PlayAgainFade::flash); }

bool TForm6::pointerInColumn(POINT screenPoint) const {
    RECT play{};
    GetWindowRect(links_.playButton, &play);
    const ButtonPlace playButton{play.left, play.top, play.right - play.left, play.bottom - play.top};
    return isInPointerColumn(playButton, windowRect().top, screenPoint.x, screenPoint.y);
}

void TForm6::drawTheme(int theme) { Image1->drawImage(ImageList1.get(), theme); }

void TForm6::FormShow() {
    RECT button{};
    GetWindowRect(links_.playButton, &button);
    moveWindowTo(hwnd(), button.left, button.top - kAboveButton, kWidth, kHeight);
    placeTopmost(hwnd());
}

void TForm6::CMMouseEnter() { update(&PlayAgainFade::pointerEntered); }

void TForm6::CMMouseLeave() {
    update(&PlayAgainFade::pointerLeft);
    // Back down onto the Play button: this button stays.
    if (!pointerInColumn(pointerPosition())) dismiss();
}

void TForm6::Image1MouseDown() { update(&PlayAgainFade::press); }

void TForm6::Image1MouseUp() { update(&PlayAgainFade::release); }

void TForm6::Image1Click() {
    if (links_.playAgain) links_.playAgain();
}

LRESULT TForm6::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (Image1 && frameMouseMessage(hwnd(), Image1->hwnd(), message, [this] { CMMouseLeave(); })) return 0;
    return FadingWindow::handleMessage(message, wParam, lParam);
}

}  // namespace plk
