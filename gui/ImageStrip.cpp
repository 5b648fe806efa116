#include "gui/ImageStrip.h"

#include <algorithm>
#include <utility>

#include "gui/BitmapPixels.h"

namespace plk {
namespace {

BitmapHandle resizedStrip(HBITMAP strip, int pictures, PixelSize picture, COLORREF colourKey) {
    const Pixels drawn = pixelsOfBitmap(strip);
    if (pictures <= 0 || drawn.width < pictures || drawn.height <= 0 || picture.width <= 0 || picture.height <= 0)
        return BitmapHandle();
    const int drawnWidth = drawn.width / pictures;
    Pixels result(picture.width * pictures, picture.height);
    for (int index = 0; index < pictures; ++index) {
        Pixels one(drawnWidth, drawn.height);
        for (int y = 0; y < drawn.height; ++y)
            std::copy(drawn.at(index * drawnWidth, y), drawn.at(index * drawnWidth, y) + drawnWidth * 3, one.at(0, y));
        const Pixels small = resampleArea(one, picture.width, picture.height, pixelColour(colourKey));
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

ImageStrip fittedImageStrip(BitmapHandle drawn, int pictures, PixelSize picture, COLORREF colourKey) {
    if (!drawn) return ImageStrip();
    BITMAP shape{};
    GetObjectA(drawn.get(), sizeof shape, &shape);
    if (shape.bmWidth != picture.width * pictures || shape.bmHeight != picture.height)
        drawn = resizedStrip(drawn.get(), pictures, picture, colourKey);
    return ImageStrip(std::move(drawn), picture);
}

}  // namespace plk
