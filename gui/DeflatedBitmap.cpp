#include "gui/DeflatedBitmap.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "compression/BoundedInflate.h"

namespace plk {
namespace {

// The largest strip (the Song Tag popup's at 300 %) is 0.7 MB.
const std::size_t kMostInflated = 16u << 20;

// The bytes of an RCDATA resource, which stay mapped as long as the module.
bool resourceBytes(HINSTANCE module, int id, const std::uint8_t*& data, DWORD& size) {
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    data = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
    size = found ? SizeofResource(module, found) : 0;
    return data && size > 0;
}

// A DIB section of a BMP file's picture: BITMAPFILEHEADER, BITMAPINFOHEADER
// and the rows, uncompressed, 24 or 32 bits.
BitmapHandle bitmapOfBmpFile(const std::vector<std::uint8_t>& file) {
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER header;
    if (file.size() < sizeof fileHeader + sizeof header) return BitmapHandle();
    std::memcpy(&fileHeader, file.data(), sizeof fileHeader);
    std::memcpy(&header, file.data() + sizeof fileHeader, sizeof header);
    if (fileHeader.bfType != 0x4D42 || header.biCompression != BI_RGB ||
        (header.biBitCount != 24 && header.biBitCount != 32) || header.biWidth <= 0 || header.biHeight == 0)
        return BitmapHandle();
    const std::uint64_t rows = header.biHeight < 0 ? -std::int64_t(header.biHeight) : header.biHeight;
    const std::uint64_t stride = (std::uint64_t(header.biWidth) * header.biBitCount / 8 + 3) & ~std::uint64_t(3);
    if (fileHeader.bfOffBits > file.size() || stride * rows > file.size() - fileHeader.bfOffBits) return BitmapHandle();
    BITMAPINFO info{};
    info.bmiHeader = header;
    void* bits = nullptr;
    BitmapHandle section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section || !bits) return BitmapHandle();
    std::memcpy(bits, file.data() + fileHeader.bfOffBits, static_cast<std::size_t>(stride * rows));
    return section;
}

}  // namespace

BitmapHandle loadDeflatedBitmap(HINSTANCE module, int id) {
    const std::uint8_t* data = nullptr;
    DWORD size = 0;
    std::vector<std::uint8_t> file;
    if (!resourceBytes(module, id, data, size) || !inflateBounded(data, size, kMostInflated, size * 8u, file))
        return BitmapHandle();
    return bitmapOfBmpFile(file);
}

}  // namespace plk
