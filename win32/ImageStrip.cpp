#include "win32/ImageStrip.h"

#include <algorithm>
#include <utility>

#include "win32/Application.h"
#include "win32/BitmapPixels.h"
#include "win32/DeflatedBitmap.h"

namespace plk {
namespace {

const int kPictures = 5;  // one a theme

// The 100 % strips are plain bitmap resources; the others are deflated.
BitmapHandle loadStripResource(int resourceId, int percent) {
    if (percent != 100) return loadDeflatedBitmap(Application::instance(), scaledStripResource(resourceId, percent));
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

ImageStrip::ImageStrip(BitmapHandle bitmap, PixelSize picture) : bitmap_(std::move(bitmap)), picture_(picture) {
    BITMAP shape{};
    if (bitmap_ && picture.width > 0 && picture.height > 0 && GetObjectA(bitmap_.get(), sizeof shape, &shape) &&
        shape.bmHeight >= picture.height)
        count_ = shape.bmWidth / picture.width;
}

bool ImageStrip::draw(int index, HDC dc) const {
    if (index < 0 || index >= count_) return false;
    MemoryDc source(CreateCompatibleDC(dc));
    SelectObjectScope select(source.get(), bitmap_.get());
    BitBlt(dc, 0, 0, picture_.width, picture_.height, source.get(), index * picture_.width, 0, SRCCOPY);
    return true;
}

int scaledStripResource(int resourceId, int percent) {
    return percent == 100 ? resourceId : (resourceId - 100) * 1000 + percent;
}

ImageStrip loadScaledImageStrip(int resourceId, const DisplayScale& scale, PixelSize picture) {
    BitmapHandle bitmap(loadStripResource(resourceId, artScaleFor(scale.dpi())));
    if (!bitmap) return ImageStrip();
    BITMAP shape{};
    GetObjectA(bitmap.get(), sizeof shape, &shape);
    if (shape.bmWidth != picture.width * kPictures || shape.bmHeight != picture.height)
        bitmap = resizedStrip(bitmap.get(), picture);
    return ImageStrip(std::move(bitmap), picture);
}

}  // namespace plk
