#include <gtest/gtest.h>

#include "pixel_scale.h"

namespace pruhomat::forms {
namespace {

TEST(PixelScale, RoundsTwipsToThePixelsOfTheDensity) {
    EXPECT_EQ(PixelScale(96).pixels(260), 17);
    EXPECT_EQ(PixelScale(120).pixels(260), 22);
    EXPECT_EQ(PixelScale(192).pixels(1095), 146);
    EXPECT_EQ(PixelScale(0).dpi(), PixelScale::standardDpi);
    // Hit testing takes the twips at a pixel's centre.
    EXPECT_EQ(PixelScale(96).twipsAt(0), 7);
    EXPECT_EQ(PixelScale(192).twipsAt(287), 2156);
}

TEST(PixelScale, APictureBoxNeverOutgrowsItsPicture) {
    // The tolerance column is 365 twips wide and its picture 24 pixels: 24.3 and 48.7 pixels
    // of box would leave a column of background beside the picture.
    const Rect tolerance{2160, 360, 365, 1095};
    EXPECT_EQ(PixelScale(96).box(tolerance, 24, 82).width, 24);
    EXPECT_EQ(PixelScale(192).box(tolerance, 48, 164).width, 48);
    EXPECT_EQ(PixelScale(192).box(tolerance, 48, 164).height, 146);
    EXPECT_EQ(PixelScale(192).box(tolerance).width, 49);
    EXPECT_EQ(PixelScale(192).box(tolerance, 48, 164).left, 288);
}

}  // namespace
}  // namespace pruhomat::forms
