#include "gui/BitmapPixels.h"

#include <cstring>

namespace plk {
namespace {

const int kBytesPerPixel = 3;

int rowStride(int width) { return (width * kBytesPerPixel + 3) & ~3; }

}  // namespace

BITMAPINFO topDownRgb(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

Pixels pixelsOfBitmap(HBITMAP bitmap) {
    BITMAP shape{};
    if (!bitmap || !GetObjectA(bitmap, sizeof shape, &shape) || shape.bmWidth <= 0 || shape.bmHeight <= 0)
        return Pixels();
    const int width = shape.bmWidth, height = shape.bmHeight < 0 ? -shape.bmHeight : shape.bmHeight;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(rowStride(width)) * height);
    BITMAPINFO info = topDownRgb(width, height);
    const WindowDc screen(nullptr);
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), rows.data(), &info, DIB_RGB_COLORS) != height)
        return Pixels();
    Pixels pixels(width, height);
    for (int y = 0; y < height; ++y)
        std::memcpy(pixels.at(0, y), &rows[static_cast<std::size_t>(y) * rowStride(width)],
                    static_cast<std::size_t>(width) * kBytesPerPixel);
    return pixels;
}

BitmapHandle bitmapOfPixels(const Pixels& pixels) {
    if (pixels.width <= 0 || pixels.height <= 0) return BitmapHandle();
    const BITMAPINFO info = topDownRgb(pixels.width, pixels.height);
    void* bits = nullptr;
    BitmapHandle section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return BitmapHandle();
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(static_cast<std::uint8_t*>(bits) + static_cast<std::size_t>(y) * rowStride(pixels.width),
                    pixels.at(0, y), static_cast<std::size_t>(pixels.width) * kBytesPerPixel);
    return section;
}

Colour pixelColour(COLORREF colour) { return Colour{GetBValue(colour), GetGValue(colour), GetRValue(colour)}; }

BitmapHandle resizedBitmap(HBITMAP bitmap, int width, int height, COLORREF colourKey) {
    return bitmapOfPixels(resampleArea(pixelsOfBitmap(bitmap), width, height, pixelColour(colourKey)));
}

}  // namespace plk
