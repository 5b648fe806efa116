#include "face/ThemeStrip.h"

#include "face/ArtScale.h"
#include "face/FaceFrame.h"
#include "gui/Application.h"
#include "gui/DeflatedBitmap.h"

namespace plk {
namespace {

// Every strip is a deflated BMP file.
BitmapHandle loadStripResource(int resourceId, int percent) {
    return loadDeflatedBitmap(Application::instance(), scaledStripResource(resourceId, percent));
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
