#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <stdexcept>

#include "images.h"

namespace {

using pruhomat::Image;
using pruhomat::ImageId;
using pruhomat::Rgb;

TEST(Images, HaveTheirSizes) {
    struct Case {
        ImageId id;
        int width;
        int height;
    };
    constexpr Case cases[] = {
        {ImageId::NoImage, 0, 0},          {ImageId::BandBlack, 19, 82},  {ImageId::PlainStrip, 19, 82},
        {ImageId::Tolerance10, 24, 82}, {ImageId::LeftEnd, 57, 82},    {ImageId::RightEnd, 55, 82},
        {ImageId::UnitOhm, 38, 26},     {ImageId::Arrow, 24, 30},      {ImageId::Penguin, 63, 60},
    };
    for (const Case& expected : cases) {
        const Image& picture = pruhomat::image(expected.id);
        EXPECT_EQ(picture.width, expected.width) << static_cast<int>(expected.id);
        EXPECT_EQ(picture.height, expected.height) << static_cast<int>(expected.id);
        EXPECT_EQ(picture.pixels.size(), static_cast<std::size_t>(expected.width * expected.height));
    }
    // The sizes a window lays out with, known before drawing, are those of the drawn pictures.
    for (int id = 0; id < static_cast<int>(pruhomat::imageCount); ++id) {
        const Image& picture = pruhomat::image(static_cast<ImageId>(id));
        EXPECT_EQ(pruhomat::shownWidth(static_cast<ImageId>(id), 96), picture.width) << id;
        EXPECT_EQ(pruhomat::shownHeight(static_cast<ImageId>(id), 96), picture.height) << id;
    }
}

TEST(Penguin, SitsOnAWhiteBackground) {
    const Image& penguin = pruhomat::image(ImageId::Penguin);
    constexpr Rgb white{0xFF, 0xFF, 0xFF};
    EXPECT_EQ(penguin.at(0, 0), white);
    EXPECT_EQ(penguin.at(62, 0), white);
    EXPECT_EQ(penguin.at(0, 59), white);
    EXPECT_EQ(penguin.at(62, 59), white);
    EXPECT_LT(std::ranges::count(penguin.pixels, white), std::ssize(penguin.pixels)) << "something is drawn";
}

TEST(Enlarged, TurnsEachPixelIntoASquareBlock) {
    const Image original{2, 2, {Rgb{1, 2, 3}, Rgb{4, 5, 6}, Rgb{7, 8, 9}, Rgb{10, 11, 12}}};
    const Image large = pruhomat::enlarged(original, 3);
    ASSERT_EQ(large.width, 6);
    ASSERT_EQ(large.height, 6);
    ASSERT_EQ(large.pixels.size(), 36u);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(large.at(x, y), original.at(x / 3, y / 3)) << x << ", " << y;
        }
    }
    EXPECT_EQ(pruhomat::enlarged(original, 1).pixels, original.pixels);
    EXPECT_THROW(pruhomat::enlarged(original, 0), std::invalid_argument);
}

TEST(ScaledForDpi, RepeatsPixelsAtWholeFactorsAndAveragesBetween) {
    const Rgb black{0, 0, 0};
    const Rgb white{0xFF, 0xFF, 0xFF};
    const Image original{2, 1, {black, white}};
    EXPECT_EQ(pruhomat::scaledForDpi(original, 192).pixels, pruhomat::enlarged(original, 2).pixels);
    // At 150 % the middle pixel covers half of each.
    const Image half = pruhomat::scaledForDpi(original, 144);
    ASSERT_EQ(half.width, 3);
    ASSERT_EQ(half.height, 2);
    EXPECT_EQ(half.at(0, 0), black);
    EXPECT_EQ(half.at(1, 1), (Rgb{0x80, 0x80, 0x80}));
    EXPECT_EQ(half.at(2, 0), white);
    // Sizes round up, so a picture always covers its box: 19 pixels at 175 % are 33.25.
    EXPECT_EQ(pruhomat::scaledForDpi(pruhomat::image(ImageId::BandWhite), 168).width, 34);
}

}  // namespace

