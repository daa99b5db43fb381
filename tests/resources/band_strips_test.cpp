#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "colour_code.h"
#include "images.h"
#include "reference.h"

namespace {

using pruhomat::Colour;
using pruhomat::ColourCode;
using pruhomat::Image;
using pruhomat::ImageId;
using pruhomat::Rgb;

constexpr Rgb black{0x00, 0x00, 0x00};
constexpr Rgb body{0xE4, 0xFE, 0xD1};

struct Band {
    int shift;
    Rgb colour;
    bool blackEdged;
};

// The crescent is symmetric about row 40; its left edge steps right at these distances from it.
int crescentLeftEdge(int row) {
    int edge = 1;
    for (const int step : {8, 13, 17, 19, 20}) {
        edge += std::abs(row - 40) >= step ? 1 : 0;
    }
    return edge;
}

Rgb expectedPixel(int x, int y, const std::optional<Band>& band) {
    if (y < 19 || y > 61) {
        return pruhomat::imageBackground;
    }
    if (y == 19 || y == 61) {
        return black;
    }
    const int left = band ? crescentLeftEdge(y) + band->shift : -1;
    if (!band || x < left || x > left + 10) {
        return body;
    }
    const bool edge = x == left || x == left + 10;
    return edge && band->blackEdged ? black : band->colour;
}

void expectStrip(const Image& strip, int width, const std::optional<Band>& band) {
    ASSERT_EQ(strip.width, width);
    ASSERT_EQ(strip.height, 82);
    for (int y = 0; y < strip.height; ++y) {
        for (int x = 0; x < width; ++x) {
            EXPECT_EQ(strip.at(x, y), expectedPixel(x, y, band)) << x << ", " << y;
        }
    }
}

TEST(BandStrips, CrossTheBodyWithACrescentEdgedInBlackUnlessBlackBrownOrOrange) {
    struct Case {
        ImageId id;
        Colour colour;
        bool blackEdged;
    };
    constexpr Case cases[] = {
        {ImageId::BandBlack, Colour::Black, false},  {ImageId::BandBrown, Colour::Brown, false},
        {ImageId::BandRed, Colour::Red, true},       {ImageId::BandOrange, Colour::Orange, false},
        {ImageId::BandYellow, Colour::Yellow, true}, {ImageId::BandGreen, Colour::Green, true},
        {ImageId::BandBlue, Colour::Blue, true},     {ImageId::BandViolet, Colour::Violet, true},
        {ImageId::BandGrey, Colour::Grey, true},     {ImageId::BandWhite, Colour::White, true},
        {ImageId::BandGold, Colour::Gold, true},
    };
    for (const Case& band : cases) {
        SCOPED_TRACE(ColourCode::info(band.colour).name);
        expectStrip(pruhomat::image(band.id), 19, Band{0, pruhomat::testing::reference::bandDrawing(band.colour), band.blackEdged});
    }
}

TEST(BandStrips, PlainStripIsTheBodyAlone) { expectStrip(pruhomat::image(ImageId::PlainStrip), 19, std::nullopt); }

TEST(ToleranceStrips, ShiftTheCrescentFourColumnsRightAndEdgeOnlyFiveAndTenPerCent) {
    expectStrip(pruhomat::image(ImageId::Tolerance1), 24, Band{4, {0x4D, 0x4D, 0x26}, false});
    expectStrip(pruhomat::image(ImageId::Tolerance2), 24, Band{4, {0xFF, 0x00, 0x00}, false});
    expectStrip(pruhomat::image(ImageId::Tolerance5), 24, Band{4, {0xF7, 0xFB, 0xE8}, true});
    expectStrip(pruhomat::image(ImageId::Tolerance10), 24, Band{4, {0xFF, 0xFF, 0xFF}, true});
}

}  // namespace
