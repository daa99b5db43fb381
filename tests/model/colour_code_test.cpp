#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

#include "colour_code.h"

namespace {

using pruhomat::Colour;
using pruhomat::ColourCode;
using pruhomat::PaletteMode;
using pruhomat::Rgb;

// Each palette as the user reads it, row by row: name, value and swatch; empty where hidden.
// Written out here, not derived from the colour code, so that the two can disagree.
using Palette = std::array<std::string, ColourCode::paletteSize>;

const Palette digitPalette{
    "Černá 0 000000", "Hnědá 1 804000",  "Červená 2 FF0000", "Oranžová 3 FF8000", "Žlutá 4 FFFF00",
    "Zelená 5 00C000", "Modrá 6 0000FF", "Fialová 7 C000C0", "Šedá 8 808080",     "Bílá 9 FFFFFF",
};
const Palette exponent4BandPalette{
    "Černá 0 000000",  "Hnědá 1 804000",  "Červená 2 FF0000", "Oranžová 3 FF8000",   "Žlutá 4 FFFF00",
    "Zelená 5 00C000", "Modrá 6 0000FF", "Zlatá -1 FFFFC0",  "Stříbrná -2 FFFFFF", "",
};
const Palette exponent5BandPalette{
    "Černá 0 000000", "Hnědá 1 804000",       "Červená 2 FF0000", "Oranžová 3 FF8000", "Žlutá 4 FFFF00",
    "Zlatá -1 FFFFC0", "Stříbrná -2 FFFFFF", "",                 "",                  "",
};
const Palette tolerancePalette{
    "Hnědá 1 804000", "Červená 2 FF0000", "Zlatá 5 FFFFC0", "Stříbrná 10 FFFFFF", "", "", "", "", "", "",
};

std::string hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour.red, colour.green, colour.blue);
    return text;
}

Palette paletteOf(PaletteMode mode) {
    Palette rows;
    for (std::size_t position = 0; position < ColourCode::paletteSize; ++position) {
        if (const auto entry = ColourCode::paletteEntry(mode, position)) {
            const auto& colour = ColourCode::info(entry->colour);
            rows[position] = std::string(colour.name) + " " + entry->valueText + " " + hex(colour.swatch);
            EXPECT_EQ(std::to_string(entry->value), entry->valueText) << "the stored value is the one shown";
        }
    }
    return rows;
}

TEST(PalettePositions, OfferWhatEachPaletteShows) {
    EXPECT_EQ(paletteOf(PaletteMode::Digit), digitPalette);
    EXPECT_EQ(paletteOf(PaletteMode::Exponent4Band), exponent4BandPalette);
    EXPECT_EQ(paletteOf(PaletteMode::Exponent5Band), exponent5BandPalette);
    EXPECT_EQ(paletteOf(PaletteMode::Tolerance), tolerancePalette);
    EXPECT_FALSE(ColourCode::paletteEntry(PaletteMode::Digit, ColourCode::paletteSize));
}

TEST(ColourCode, DrawsSilverLikeWhiteAndGoldPaleYellow) {
    EXPECT_EQ(hex(ColourCode::info(Colour::Silver).band), "FFFFFF");
    EXPECT_EQ(hex(ColourCode::info(Colour::White).band), "FFFFFF");
    EXPECT_EQ(hex(ColourCode::info(Colour::Gold).band), "FFFFBF");
    EXPECT_EQ(hex(ColourCode::info(Colour::Yellow).band), "FFFF00");
}

}  // namespace
