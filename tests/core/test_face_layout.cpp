// The floating windows' sizes and places at a DPI, and the choice of artwork.
#include <gtest/gtest.h>

#include "face/ArtScale.h"
#include "face/FaceLayout.h"

namespace plk {
namespace {

TEST(FaceLayout, At96DpiTheWindowsKeepTheirSizesAndPlaces) {
    const FaceLayout face = faceLayout(DisplayScale(96));
    EXPECT_EQ(face.frame, 1);
    EXPECT_EQ(face.button, (PixelSize{37, 37}));
    EXPECT_EQ(face.buttonPicture(), (PixelSize{35, 35}));
    EXPECT_EQ(face.playAgain, (PixelSize{37, 15}));
    EXPECT_EQ(face.playAgainPicture(), (PixelSize{35, 13}));
    EXPECT_EQ(face.songTag, (PixelSize{152, 37}));
    EXPECT_EQ(face.songTagPicture(), (PixelSize{150, 35}));
    EXPECT_EQ(face.songTagLeftOfButton, 153);
    EXPECT_EQ(face.playAgainAboveButton, 14);
}

TEST(FaceLayout, At144DpiEverythingIsHalfAsLargeAgain) {
    const FaceLayout face = faceLayout(DisplayScale(144));
    EXPECT_EQ(face.button, (PixelSize{56, 56}));
    EXPECT_EQ(face.songTag, (PixelSize{228, 56}));
    EXPECT_EQ(face.playAgain, (PixelSize{56, 23}));
    EXPECT_EQ(face.frame, 2);
    EXPECT_EQ(face.buttonPicture(), (PixelSize{52, 52}));
}

TEST(FaceLayout, AtEveryDpiTheWindowsMeetAsAt96) {
    for (int dpi = 72; dpi <= 480; ++dpi) {
        const FaceLayout face = faceLayout(DisplayScale(dpi));
        SCOPED_TRACE(dpi);
        // The popup: level with the button, its right edge one pixel short of it.
        const CompanionPlace popup = face.songTagPlace();
        EXPECT_EQ(popup.window, face.songTag);
        EXPECT_EQ(popup.top, 0);
        EXPECT_EQ(popup.window.height, face.button.height);
        EXPECT_EQ(popup.left + popup.window.width, -1);
        // Play Again: as wide as the button, its bottom frame on the button's top frame.
        const CompanionPlace again = face.playAgainPlace();
        EXPECT_EQ(again.window, face.playAgain);
        EXPECT_EQ(again.left, 0);
        EXPECT_EQ(again.window.width, face.button.width);
        EXPECT_EQ(again.top + again.window.height, face.frame);
        EXPECT_GT(face.playAgainPicture().height, 0);
        EXPECT_GE(face.frame, 1);
    }
}

TEST(ArtScale, PicksTheNearestScaleAtOrAboveTheDpi) {
    struct Case {
        int dpi, percent;
    } cases[] = {{72, 100}, {96, 100}, {97, 125}, {120, 125}, {121, 150}, {144, 150}, {168, 175},
                 {169, 200}, {192, 200}, {216, 250}, {240, 250}, {288, 300}, {480, 300}};
    for (const Case& c : cases) EXPECT_EQ(artScaleFor(c.dpi), c.percent) << c.dpi << " DPI";
}

TEST(ArtScale, TheArtworkSizesAreTheWindowsPictureSizesAtEachScale) {
    // tools/art draws the strips at these sizes; the windows show them as
    // they are at the scale's own DPI.
    struct Case {
        int percent;
        PixelSize button, playAgain, songTag;
    } cases[] = {
        {100, {35, 35}, {35, 13}, {150, 35}},   {125, {44, 44}, {44, 17}, {188, 44}},
        {150, {52, 52}, {52, 19}, {224, 52}},   {175, {61, 61}, {61, 22}, {262, 61}},
        {200, {70, 70}, {70, 26}, {300, 70}},   {250, {87, 87}, {87, 32}, {374, 87}},
        {300, {105, 105}, {105, 39}, {450, 105}},
    };
    ASSERT_EQ(sizeof cases / sizeof cases[0], kArtScaleCount);
    for (const Case& c : cases) {
        const FaceLayout face = faceLayout(DisplayScale(artDpi(c.percent)));
        SCOPED_TRACE(c.percent);
        EXPECT_EQ(face.buttonPicture(), c.button);
        EXPECT_EQ(face.playAgainPicture(), c.playAgain);
        EXPECT_EQ(face.songTagPicture(), c.songTag);
    }
}

}  // namespace
}  // namespace plk
