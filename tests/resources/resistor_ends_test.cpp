#include <gtest/gtest.h>

#include "images.h"

namespace {

using pruhomat::Image;
using pruhomat::ImageId;
using pruhomat::Rgb;

constexpr Rgb black{0x00, 0x00, 0x00};
constexpr Rgb white{0xFF, 0xFF, 0xFF};
constexpr Rgb grey = pruhomat::imageBackground;

// A lead is a white row 40 between the black rows 39 and 41, closed in black at its free tip.
void expectLeadAlone(const Image& end, int first, int last, int tip) {
    for (int x = first; x <= last; ++x) {
        for (int y = 0; y < end.height; ++y) {
            Rgb expected = grey;
            if (y == 39 || y == 41) {
                expected = black;
            } else if (y == 40) {
                expected = x == tip ? black : white;
            }
            EXPECT_EQ(end.at(x, y), expected) << x << ", " << y;
        }
    }
}

void expectGreyColumns(const Image& end, int first, int last) {
    for (int x = first; x <= last; ++x) {
        for (int y = 0; y < end.height; ++y) {
            EXPECT_EQ(end.at(x, y), grey) << x << ", " << y;
        }
    }
}

TEST(ResistorEnds, LeadsRunFromTheImageEdgesIntoTheCapOutlines) {
    const Image& left = pruhomat::image(ImageId::LeftEnd);
    expectGreyColumns(left, 0, 4);
    expectLeadAlone(left, 5, 41, 5);
    EXPECT_EQ(left.at(42, 40), black);

    const Image& right = pruhomat::image(ImageId::RightEnd);
    EXPECT_EQ(right.at(11, 40), black);
    expectLeadAlone(right, 12, 48, 48);
    expectGreyColumns(right, 49, 54);
}

TEST(ResistorEnds, CapsSpanRowsFourteenToSixtyFive) {
    for (const ImageId id : {ImageId::LeftEnd, ImageId::RightEnd}) {
        const Image& end = pruhomat::image(id);
        int inkInRow14 = 0;
        int inkInRow65 = 0;
        for (int x = 0; x < end.width; ++x) {
            for (const int y : {0, 13, 66, 81}) {
                EXPECT_EQ(end.at(x, y), grey) << x << ", " << y;
            }
            inkInRow14 += end.at(x, 14) == black ? 1 : 0;
            inkInRow65 += end.at(x, 65) == black ? 1 : 0;
        }
        EXPECT_GT(inkInRow14, 0) << static_cast<int>(id);
        EXPECT_GT(inkInRow65, 0) << static_cast<int>(id);
    }
}

// The body's outline and colour run on into the neighbouring strips without a seam.
TEST(ResistorEnds, OpenSidesContinueTheBody) {
    const Image& strip = pruhomat::image(ImageId::PlainStrip);
    const Image& left = pruhomat::image(ImageId::LeftEnd);
    const Image& right = pruhomat::image(ImageId::RightEnd);
    for (int y = 0; y < strip.height; ++y) {
        EXPECT_EQ(left.at(left.width - 1, y), strip.at(0, y)) << "left end, row " << y;
        EXPECT_EQ(right.at(0, y), strip.at(strip.width - 1, y)) << "right end, row " << y;
    }
}

}  // namespace
