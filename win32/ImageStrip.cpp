#include "win32/ImageStrip.h"

#include "win32/Application.h"

namespace plk {

ImageListHandle loadImageStrip(int resourceId, int width, int height) {
    ImageListHandle strip(ImageList_Create(width, height, ILC_COLOR24, 5, 0));
    const BitmapHandle bitmap(static_cast<HBITMAP>(
        LoadImageA(Application::instance(), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (strip && bitmap) ImageList_Add(strip.get(), bitmap.get(), nullptr);
    return strip;
}

}  // namespace plk
