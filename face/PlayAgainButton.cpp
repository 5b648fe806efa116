#include "face/PlayAgainButton.h"

#include <utility>

#include "face/PointerColumn.h"
#include "gui/LayeredWindow.h"
#include "gui/MouseTracking.h"
#include "resources/resource.h"

namespace plk {
namespace {

const CompanionShape kShape{"TForm6", "Play Again", IDB_PLAYAGAIN, &FaceLayout::playAgainPlace};

}  // namespace

TForm6::TForm6(Links links)
    : CompanionWindow(kShape, links.playButton, links.theme), links_(std::move(links)) {
    layOut();
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

void TForm6::FormShow() {
    // The bottom row of the frame lies over the Play button's top row.
    placeBesideButton();
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
