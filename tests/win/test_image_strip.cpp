// Image strips: cut into whole pictures from the left edge; drawing copies
// one picture and nothing of its neighbours, and a picture the strip lacks
// leaves the target as it was.
#include "gui/ImageStrip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "face/ThemeStrip.h"
#include "gui/Application.h"
#include "gui/BitmapPixels.h"
#include "gui/DeflatedBitmap.h"
#include "resources/art_scales.h"
#include "resources/resource.h"

namespace plk {
namespace {

const PixelSize kPicture{4, 3};
const std::uint8_t kUntouched = 255;

// Picture k of the strip is grey at level 40 k.
Pixels stripPixels(int width, int height) {
    Pixels pixels(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) std::fill_n(pixels.at(x, y), 3, std::uint8_t(x / kPicture.width * 40));
    return pixels;
}

// The picture-sized target after the draw, as one grey level, or -1 when
// it is not one level throughout.
int levelAfterDrawing(const ImageStrip& strip, int index, bool& drawn) {
    Pixels blank(kPicture.width, kPicture.height);
    std::fill(blank.bytes.begin(), blank.bytes.end(), kUntouched);
    const BitmapHandle target = bitmapOfPixels(blank);
    {
        MemoryDc dc(CreateCompatibleDC(nullptr));
        SelectObjectScope select(dc.get(), target.get());
        drawn = strip.draw(index, dc.get());
    }
    const Pixels after = pixelsOfBitmap(target.get());
    const bool even = std::all_of(after.bytes.begin(), after.bytes.end(),
                                  [&](std::uint8_t value) { return value == after.bytes[0]; });
    return even ? after.bytes[0] : -1;
}

TEST(ImageStripTest, DrawsOnlyTheWholePicturesItHas) {
    // Five and a half pictures: the half is not one.
    const ImageStrip strip(bitmapOfPixels(stripPixels(22, 3)), kPicture);
    EXPECT_EQ(strip.count(), 5);
    const struct {
        int index;
        bool drawn;
        int level;
    } cases[] = {{0, true, 0}, {3, true, 120}, {4, true, 160}, {5, false, kUntouched}, {-1, false, kUntouched}};
    for (const auto& c : cases) {
        bool drawn = false;
        EXPECT_EQ(levelAfterDrawing(strip, c.index, drawn), c.level) << "picture " << c.index;
        EXPECT_EQ(drawn, c.drawn) << "picture " << c.index;
    }
}

TEST(ImageStripTest, AStripWithoutAWholePictureIsEmpty) {
    // None at all; pictures cut short at the bottom; one cut short at the right.
    const ImageStrip strips[] = {ImageStrip(), ImageStrip(bitmapOfPixels(stripPixels(20, 2)), kPicture),
                                 ImageStrip(bitmapOfPixels(stripPixels(3, 3)), kPicture)};
    for (const ImageStrip& strip : strips) {
        EXPECT_EQ(strip.count(), 0);
        bool drawn = true;
        EXPECT_EQ(levelAfterDrawing(strip, 0, drawn), kUntouched);
        EXPECT_FALSE(drawn);
    }
}

// A file of the source tree as Wine's Z: drive reaches it.
std::string sourceFile(const std::string& name) {
    std::string path = std::string("Z:") + PLINKETY_RESOURCES_DIR + "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

TEST(ImageStripTest, EveryDeflatedStripIsItsCommittedPictureExactly) {
    const struct { int id; const char* stem; } strips[] = {
        {IDB_PLAYBUTTON, "playbutton"}, {IDB_PLAYAGAIN, "playagain"}, {IDB_SONGTAG, "songtag"}};
    for (const int percent : {PLINKETY_ART_SCALES}) {
        for (const auto& strip : strips) {
            const std::string suffix = percent == 100 ? "" : "_" + std::to_string(percent);
            const std::string file = sourceFile(std::string(strip.stem) + suffix + ".bmp");
            const BitmapHandle committed(static_cast<HBITMAP>(
                LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
            ASSERT_TRUE(committed) << file;
            const BitmapHandle deflated(
                loadDeflatedBitmap(Application::instance(), scaledStripResource(strip.id, percent)));
            const Pixels want = pixelsOfBitmap(committed.get());
            const Pixels got = pixelsOfBitmap(deflated.get());
            EXPECT_EQ(got.width, want.width) << file;
            EXPECT_EQ(got.height, want.height) << file;
            EXPECT_TRUE(got.bytes == want.bytes) << file;
        }
    }
}

TEST(ImageStripTest, AMissingOrNonDeflatedResourceGivesNoBitmap) {
    EXPECT_FALSE(loadDeflatedBitmap(Application::instance(), 9999));
    // The About banner is raw data too, but a JPEG, not a deflated BMP.
    EXPECT_FALSE(loadDeflatedBitmap(Application::instance(), IDR_BANNER));
}

}  // namespace
}  // namespace plk
