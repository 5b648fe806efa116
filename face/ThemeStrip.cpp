#include "face/ThemeStrip.h"

#include "face/ArtScale.h"
#include "face/FaceFrame.h"
#include "gui/Application.h"
#include "gui/DeflatedBitmap.h"

namespace plk {
namespace {

// The 100 % strips are plain bitmap resources; the others are deflated.
BitmapHandle loadStripResource(int resourceId, int percent) {
    if (percent != 100) return loadDeflatedBitmap(Application::instance(), scaledStripResource(resourceId, percent));
    return BitmapHandle(static_cast<HBITMAP>(
        LoadImageA(Application::instance(), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace

int scaledStripResource(int resourceId, int percent) {
    return percent == 100 ? resourceId : (resourceId - 100) * 1000 + percent;
}

ImageStrip loadThemeStrip(int resourceId, const DisplayScale& scale, PixelSize picture) {
    return fittedImageStrip(loadStripResource(resourceId, artScaleFor(scale.dpi())), kThemeCount, picture,
                            kColourKey);
}

}  // namespace plk
