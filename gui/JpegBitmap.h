// JPEG pictures decoded with libjpeg into bitmaps that GDI can draw.
#pragma once

#include <windows.h>

#include <cstddef>

#include "system/Handles.h"

namespace plk {

struct JpegBitmap {
    BitmapHandle bitmap;  // 24-bit top-down DIB section
    int width = 0;
    int height = 0;
};

// Decodes a JPEG held in memory. Throws std::runtime_error with libjpeg's
// message for data it cannot decode.
JpegBitmap decodeJpeg(const unsigned char* data, std::size_t size);

// Decodes the JPEG stored as RCDATA resource id of the program. Throws
// std::runtime_error when there is no such resource or it does not decode.
JpegBitmap loadJpegResource(int id);

}  // namespace plk
