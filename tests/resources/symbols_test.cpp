#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

#include "images.h"

namespace {

using pruhomat::Image;
using pruhomat::ImageId;
using pruhomat::Rgb;

constexpr Rgb black{0x00, 0x00, 0x00};

// Left, top, right and bottom of the smallest rectangle holding every pixel that is not grey;
// each of those must be black.
using InkBounds = std::array<int, 4>;

InkBounds blackInkBounds(const Image& picture) {
    InkBounds bounds{picture.width, picture.height, -1, -1};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.at(x, y) != pruhomat::imageBackground) {
                EXPECT_EQ(picture.at(x, y), black) << x << ", " << y;
                bounds = {std::min(bounds[0], x), std::min(bounds[1], y), std::max(bounds[2], x), std::max(bounds[3], y)};
            }
        }
    }
    return bounds;
}

TEST(UnitSymbols, WriteBlackTextInTheirColumnsOnRowsEightToTwentyOne) {
    for (const auto& [id, ink] : {std::pair{ImageId::UnitOhm, InkBounds{8, 8, 19, 21}},
                                  std::pair{ImageId::UnitKiloOhm, InkBounds{8, 8, 31, 21}},
                                  std::pair{ImageId::UnitMegaOhm, InkBounds{4, 8, 31, 21}}}) {
        const Image& picture = pruhomat::image(id);
        EXPECT_EQ(picture.width, 38);
        EXPECT_EQ(picture.height, 26);
        EXPECT_EQ(blackInkBounds(picture), ink) << static_cast<int>(id);
    }
}

TEST(Arrow, PointsUpWithATriangularHeadOnAShaft) {
    const Image& arrow = pruhomat::image(ImageId::Arrow);
    ASSERT_EQ(arrow.width, 24);
    ASSERT_EQ(arrow.height, 30);
    EXPECT_EQ(blackInkBounds(arrow), (InkBounds{2, 4, 20, 23}));
    for (int y = 4; y <= 23; ++y) {
        const int halfWidth = y <= 13 ? y - 4 : 3;
        for (int x = 0; x < arrow.width; ++x) {
            EXPECT_EQ(arrow.at(x, y) == black, x >= 11 - halfWidth && x <= 11 + halfWidth) << x << ", " << y;
        }
    }
}

}  // namespace
