#include "gui/JpegBitmap.h"

#include <csetjmp>
#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>
#include <jerror.h>

#include "gui/Application.h"
#include "gui/BitmapPixels.h"

namespace plk {
namespace {

// libjpeg ends a failed decode through error_exit, which must not return:
// it jumps back to the decode with the message kept.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jumpOut(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// A top-down 24-bit DIB section; rows are padded to four bytes.
HBITMAP createRgbSection(int width, int height, unsigned char** bits) {
    const BITMAPINFO info = topDownRgb(width, height);
    void* pixels = nullptr;
    const HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    *bits = static_cast<unsigned char*>(pixels);
    return section;
}

}  // namespace

JpegBitmap decodeJpeg(const unsigned char* data, std::size_t size) {
    // Only plain C objects live between setjmp and the decode's end: the jump
    // back skips no destructor.
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpOut;
    HBITMAP volatile section = nullptr;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        if (section) DeleteObject(section);
        throw std::runtime_error(std::string("The picture cannot be decoded: ") + errors.message);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;  // a DIB's byte order
    jpeg_start_decompress(&info);
    const int width = static_cast<int>(info.output_width), height = static_cast<int>(info.output_height);
    unsigned char* bits = nullptr;
    section = createRgbSection(width, height, &bits);
    if (!section) ERREXIT(&info, JERR_OUT_OF_MEMORY);
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t(3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    JpegBitmap result;
    result.bitmap.reset(section);
    result.width = width;
    result.height = height;
    return result;
}

JpegBitmap loadJpegResource(int id) {
    const HMODULE module = Application::instance();
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw std::runtime_error("The picture " + std::to_string(id) + " is missing from the program.");
    return decodeJpeg(static_cast<const unsigned char*>(data), SizeofResource(module, found));
}

}  // namespace plk
