#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

#include "colour_code.h"
#include "reference.h"

namespace {

using pruhomat::Colour;
using pruhomat::ColourCode;
using pruhomat::PaletteMode;
using pruhomat::Rgb;

using pruhomat::testing::reference::hex;
using pruhomat::testing::reference::Palette;
using pruhomat::testing::reference::palette;

Palette paletteOf(PaletteMode mode) {
    Palette rows;
    for (std::size_t position = 0; position < ColourCode::paletteSize; ++position) {
        if (const auto entry = ColourCode::paletteEntry(mode, position)) {
            const auto& colour = ColourCode::info(entry->colour);
            rows[position] = std::string(colour.name) + " " + entry->valueText + " " + hex(colour.swatch);
            // The value stored on a click is the number the row reads.
            const std::string& expected = palette(mode)[position];
            const auto valueStart = expected.find(' ') + 1;
            EXPECT_EQ(entry->value, std::stod(expected.substr(valueStart, expected.rfind(' ') - valueStart))) << expected;
        }
    }
    return rows;
}

TEST(PalettePositions, OfferWhatEachPaletteShows) {
    for (const auto mode : {PaletteMode::Digit, PaletteMode::Exponent4Band, PaletteMode::Exponent5Band,
                            PaletteMode::Tolerance}) {
        EXPECT_EQ(paletteOf(mode), palette(mode)) << "palette " << static_cast<int>(mode);
    }
    EXPECT_FALSE(ColourCode::paletteEntry(PaletteMode::Digit, ColourCode::paletteSize));
}

TEST(ColourCode, DrawsSilverLikeWhiteAndGoldPaleYellow) {
    EXPECT_EQ(hex(ColourCode::info(Colour::Silver).band), "FFFFFF");
    EXPECT_EQ(hex(ColourCode::info(Colour::White).band), "FFFFFF");
    EXPECT_EQ(hex(ColourCode::info(Colour::Gold).band), "FFFFBF");
    EXPECT_EQ(hex(ColourCode::info(Colour::Yellow).band), "FFFF00");
}

}  // namespace
