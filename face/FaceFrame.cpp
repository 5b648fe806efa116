#include "face/FaceFrame.h"

#include "face/FaceLayout.h"
#include "gui/LayeredWindow.h"

namespace plk {

void setFaceAlpha(HWND window, int alpha) { setWindowAlpha(window, alpha, kColourKey); }

void drawFaceFrame(HDC dc, PixelSize window, HBRUSH fill, const DisplayScale& scale) {
    drawFrame(dc, window.width, window.height, fill, faceLayout(scale).frame);
}

}  // namespace plk
