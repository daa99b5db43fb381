#include <gtest/gtest.h>

#include "pixel_scale.h"

namespace pruhomat::forms {
namespace {

TEST(PixelScale, RoundsTwipsToThePixelsOfTheDensity) {
    EXPECT_EQ(PixelScale(96).pixels(260), 17);
    EXPECT_EQ(PixelScale(120).pixels(260), 22);
    EXPECT_EQ(PixelScale(192).pixels(1095), 146);
    // At twice the density, twice the standard pixels: 3382 twips are 225.5 of them.
    EXPECT_EQ(PixelScale(192).pixels(3382), 450);
    EXPECT_EQ(PixelScale(144).pixels(3382), 338);
    EXPECT_EQ(PixelScale(0).dpi(), PixelScale::standardDpi);
    // Hit testing takes the twips at a pixel's centre.
    EXPECT_EQ(PixelScale(96).twipsAt(0), 7);
    EXPECT_EQ(PixelScale(192).twipsAt(287), 2152);
    EXPECT_EQ(PixelScale(192).twipsAt(286), 2152);
}

TEST(PixelScale, APictureBoxNeverOutgrowsItsPicture) {
    // The tolerance column is 365 twips wide and its picture 24 pixels: 24.3 and 36.5 pixels
    // of box would leave a column of background beside the picture.
    const Rect tolerance{2160, 360, 365, 1095};
    EXPECT_EQ(PixelScale(96).box(tolerance, 24, 82).width, 24);
    EXPECT_EQ(PixelScale(192).box(tolerance, 48, 164).width, 48);
    EXPECT_EQ(PixelScale(192).box(tolerance, 48, 164).height, 146);
    EXPECT_EQ(PixelScale(144).box(tolerance, 36, 123).width, 36);
    EXPECT_EQ(PixelScale(144).box(tolerance).width, 37);
    EXPECT_EQ(PixelScale(192).box(tolerance, 48, 164).left, 288);
}

}  // namespace
}  // namespace pruhomat::forms
