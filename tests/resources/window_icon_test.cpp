#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <tuple>

#include "images.h"

namespace {

using pruhomat::Image;
using pruhomat::Rgb;

int countOf(const Image& icon, Rgb colour, int left, int top, int right, int bottom) {
    int count = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            count += icon.at(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

TEST(WindowIcon, IsADarkBlueFramedPanelWithAYellowCornerBarAndARedMarkInSixteenColours) {
    constexpr Rgb darkBlue{0x00, 0x00, 0x80};
    constexpr Rgb yellow{0xFF, 0xFF, 0x00};
    for (const int size : {16, 32}) {
        SCOPED_TRACE(size);
        const Image& icon = pruhomat::windowIcon(size);
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        const int last = size - 1;
        const int half = size / 2;
        EXPECT_EQ(countOf(icon, darkBlue, 0, 0, last, 0), size) << "top edge";
        EXPECT_EQ(countOf(icon, darkBlue, last, 0, last, last), size) << "right edge";
        EXPECT_EQ(countOf(icon, darkBlue, 0, 0, 0, half - 1), half) << "upper half of the left edge";
        EXPECT_GT(countOf(icon, yellow, 0, half, half, last), 0) << "lower left quarter";
        EXPECT_EQ(countOf(icon, yellow, half, 0, last, last), 0) << "right half";
        EXPECT_GT(countOf(icon, Rgb{0xFF, 0x00, 0x00}, 1, 1, last - 1, last - 1), 0);

        std::set<std::tuple<int, int, int>> colours;
        for (const Rgb pixel : icon.pixels) {
            colours.emplace(pixel.red, pixel.green, pixel.blue);
        }
        EXPECT_LE(colours.size(), 16u);
    }
}

TEST(WindowIcon, IsDrawnForEachSizeAndForNoOther) {
    EXPECT_NE(pruhomat::enlarged(pruhomat::windowIcon(16), 2).pixels, pruhomat::windowIcon(32).pixels);
    EXPECT_THROW(pruhomat::windowIcon(24), std::invalid_argument);
}

}  // namespace
