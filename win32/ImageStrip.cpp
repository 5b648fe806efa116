#include "win32/ImageStrip.h"

#include <algorithm>

#include "win32/Application.h"
#include "win32/BitmapPixels.h"

namespace plk {
namespace {

const int kPictures = 5;  // one a theme

BitmapHandle loadBitmapResource(int resourceId) {
    return BitmapHandle(static_cast<HBITMAP>(
        LoadImageA(Application::instance(), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// Each picture on its own, so that no theme's edge bleeds into the next.
BitmapHandle resizedStrip(HBITMAP strip, PixelSize picture) {
    const Pixels drawn = pixelsOfBitmap(strip);
    if (drawn.width < kPictures || drawn.height <= 0 || picture.width <= 0 || picture.height <= 0)
        return BitmapHandle();
    const int drawnWidth = drawn.width / kPictures;
    Pixels result(picture.width * kPictures, picture.height);
    for (int index = 0; index < kPictures; ++index) {
        Pixels one(drawnWidth, drawn.height);
        for (int y = 0; y < drawn.height; ++y)
            std::copy(drawn.at(index * drawnWidth, y), drawn.at(index * drawnWidth, y) + drawnWidth * 3, one.at(0, y));
        const Pixels small = resampleArea(one, picture.width, picture.height, colourKeyPixel());
        for (int y = 0; y < picture.height; ++y)
            std::copy(small.at(0, y), small.at(0, y) + picture.width * 3, result.at(index * picture.width, y));
    }
    return bitmapOfPixels(result);
}

}  // namespace

ImageListHandle loadImageStrip(int resourceId, int width, int height) {
    ImageListHandle strip(ImageList_Create(width, height, ILC_COLOR24, 5, 0));
    const BitmapHandle bitmap(loadBitmapResource(resourceId));
    if (strip && bitmap) ImageList_Add(strip.get(), bitmap.get(), nullptr);
    return strip;
}

int scaledStripResource(int resourceId, int percent) {
    return percent == 100 ? resourceId : (resourceId - 100) * 1000 + percent;
}

ImageListHandle loadScaledImageStrip(int resourceId, const DisplayScale& scale, PixelSize picture) {
    const int percent = artScaleFor(scale.dpi());
    ImageListHandle strip(ImageList_Create(picture.width, picture.height, ILC_COLOR24, kPictures, 0));
    BitmapHandle bitmap(loadBitmapResource(scaledStripResource(resourceId, percent)));
    if (!strip || !bitmap) return strip;
    BITMAP shape{};
    GetObjectA(bitmap.get(), sizeof shape, &shape);
    if (shape.bmWidth != picture.width * kPictures || shape.bmHeight != picture.height)
        bitmap = resizedStrip(bitmap.get(), picture);
    if (bitmap) ImageList_Add(strip.get(), bitmap.get(), nullptr);
    return strip;
}

}  // namespace plk
