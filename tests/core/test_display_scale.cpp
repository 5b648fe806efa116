// The rounding of lengths at a DPI and the picture filter.
#include <gtest/gtest.h>

#include "display/AreaResample.h"
#include "display/DisplayScale.h"

namespace plk {
namespace {

TEST(DisplayScale, RoundsHalvesAwayFromZeroAsMulDivDoes) {
    struct Case {
        int dpi, length, expected;
    } cases[] = {
        {96, 37, 37},   {96, -20, -20}, {144, 37, 56},   {144, 15, 23},   {144, 449, 674}, {144, 258, 387},
        {144, -20, -30}, {144, -1, -2},  {120, 37, 46},   {120, 15, 19},   {168, 37, 65},   {240, 37, 93},
        {144, 0, 0},    {0, 37, 37},    {-5, 152, 152},  {192, 1000000, 2000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayScale(c.dpi).px(c.length), c.expected) << c.length << " at " << c.dpi << " DPI";
}

const Colour kMagenta{255, 0, 255};

Pixels filled(int width, int height, Colour colour) {
    Pixels p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) std::copy(colour.begin(), colour.end(), p.at(x, y));
    return p;
}

Colour pixel(const Pixels& p, int x, int y) { return {p.at(x, y)[0], p.at(x, y)[1], p.at(x, y)[2]}; }

TEST(AreaResample, KeepsAPictureOfTheSameSizeAsItIs) {
    Pixels source(3, 2);
    for (std::size_t i = 0; i < source.bytes.size(); ++i) source.bytes[i] = static_cast<std::uint8_t>(i * 13);
    EXPECT_EQ(resampleArea(source, 3, 2, kMagenta).bytes, source.bytes);
}

TEST(AreaResample, EachNewPixelIsTheMeanOfTheAreaItCovers) {
    // Four columns 0, 100, 200, 40 into two, and into three (thirds split pixels).
    Pixels source(4, 1);
    const std::uint8_t values[] = {0, 100, 200, 40};
    for (int x = 0; x < 4; ++x) std::fill(source.at(x, 0), source.at(x, 0) + 3, values[x]);
    const Pixels half = resampleArea(source, 2, 1, kMagenta);
    EXPECT_EQ(pixel(half, 0, 0), (Colour{50, 50, 50}));
    EXPECT_EQ(pixel(half, 1, 0), (Colour{120, 120, 120}));
    const Pixels thirds = resampleArea(source, 3, 1, kMagenta);
    // (0·3 + 100·1) / 4, (100·2 + 200·2) / 4, (200·1 + 40·3) / 4
    EXPECT_EQ(pixel(thirds, 0, 0), (Colour{25, 25, 25}));
    EXPECT_EQ(pixel(thirds, 1, 0), (Colour{150, 150, 150}));
    EXPECT_EQ(pixel(thirds, 2, 0), (Colour{80, 80, 80}));
}

TEST(AreaResample, AMeanThatRoundsToTheColourKeyIsMovedOffIt) {
    // (255, 0, 254) and (254, 0, 255) average to (254.5, 0, 254.5), which rounds to the key.
    Pixels source(2, 1);
    const Colour a{255, 0, 254}, b{254, 0, 255};
    std::copy(a.begin(), a.end(), source.at(0, 0));
    std::copy(b.begin(), b.end(), source.at(1, 0));
    const Pixels one = resampleArea(source, 1, 1, kMagenta);
    EXPECT_NE(pixel(one, 0, 0), kMagenta);
    // Reductions of a picture that has no key colour never produce it.
    Pixels ramp(37, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 37; ++x) {
            const Colour c{static_cast<std::uint8_t>(250 + x % 6), 0, static_cast<std::uint8_t>(255 - y % 2)};
            std::copy(c.begin(), c.end(), ramp.at(x, y));
        }
    for (int width = 1; width <= 37; ++width) {
        const Pixels small = resampleArea(ramp, width, 3, kMagenta);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x) ASSERT_NE(pixel(small, x, y), kMagenta) << width << ": " << x << "," << y;
    }
}

TEST(AreaResample, KeyColourStaysWhereItCoveredEverything) {
    Pixels source = filled(4, 4, kMagenta);
    std::fill(source.at(3, 3), source.at(3, 3) + 3, 0);
    const Pixels half = resampleArea(source, 2, 2, kMagenta);
    EXPECT_EQ(pixel(half, 0, 0), kMagenta);
    EXPECT_EQ(pixel(half, 1, 0), kMagenta);
    EXPECT_NE(pixel(half, 1, 1), kMagenta);
}

TEST(AreaResample, EnlargingAnEvenColourKeepsIt) {
    const Pixels big = resampleArea(filled(3, 2, Colour{10, 20, 30}), 7, 5, kMagenta);
    ASSERT_EQ(big.width, 7);
    ASSERT_EQ(big.height, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(pixel(big, x, y), (Colour{10, 20, 30}));
}

TEST(AreaResample, EmptyPicturesAndSizesGiveAnEmptyPicture) {
    EXPECT_TRUE(resampleArea(Pixels(), 4, 4, kMagenta).bytes.empty());
    EXPECT_TRUE(resampleArea(filled(2, 2, Colour{}), 0, 3, kMagenta).bytes.empty());
}

}  // namespace
}  // namespace plk
