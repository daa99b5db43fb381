#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string_view>

#include "colour_code.h"

namespace {

using pruhomat::Colour;
using pruhomat::ColourCode;
using pruhomat::PaletteMode;

constexpr PaletteMode allModes[] = {PaletteMode::Digit, PaletteMode::Exponent4Band, PaletteMode::Exponent5Band,
                                    PaletteMode::Tolerance};

std::size_t offeredPositions(PaletteMode mode) {
    std::size_t count = 0;
    for (std::size_t position = 0; position < ColourCode::paletteSize; ++position) {
        count += ColourCode::paletteEntry(mode, position).has_value() ? 1 : 0;
    }
    return count;
}

TEST(ColourCode, ListsEveryColourOnceUnderItsOwnName) {
    std::set<std::string_view> names;
    for (std::size_t index = 0; index < ColourCode::colourCount; ++index) {
        const auto& info = ColourCode::all()[index];
        EXPECT_EQ(static_cast<std::size_t>(info.colour), index);
        EXPECT_EQ(&ColourCode::info(info.colour), &info);
        names.insert(info.name);
    }
    EXPECT_EQ(names.size(), ColourCode::colourCount);
}

TEST(ColourCode, DrawsSilverLikeWhiteAndGoldPaleYellow) {
    EXPECT_EQ(ColourCode::info(Colour::Silver).band, ColourCode::info(Colour::White).band);
    EXPECT_EQ(ColourCode::info(Colour::Silver).swatch, ColourCode::info(Colour::White).swatch);
    EXPECT_NE(ColourCode::info(Colour::Gold).swatch, ColourCode::info(Colour::Yellow).swatch);
}

TEST(PalettePositions, OfferEachModesValuesInOrderAndHideOnlyTheRowsBelow) {
    EXPECT_EQ(offeredPositions(PaletteMode::Digit), 10u);
    EXPECT_EQ(offeredPositions(PaletteMode::Exponent4Band), 9u);
    EXPECT_EQ(offeredPositions(PaletteMode::Exponent5Band), 7u);
    EXPECT_EQ(offeredPositions(PaletteMode::Tolerance), 4u);
    for (const PaletteMode mode : allModes) {
        for (std::size_t position = 1; position < ColourCode::paletteSize; ++position) {
            if (ColourCode::paletteEntry(mode, position)) {
                EXPECT_TRUE(ColourCode::paletteEntry(mode, position - 1)) << "a gap above position " << position;
            }
        }
        EXPECT_FALSE(ColourCode::paletteEntry(mode, ColourCode::paletteSize));
    }
}

TEST(PalettePositions, ShowTheValueTheyStore) {
    for (const PaletteMode mode : allModes) {
        for (std::size_t position = 0; position < ColourCode::paletteSize; ++position) {
            if (const auto entry = ColourCode::paletteEntry(mode, position)) {
                EXPECT_EQ(entry->valueText, std::to_string(entry->value));
            }
        }
    }
    EXPECT_EQ(ColourCode::paletteEntry(PaletteMode::Exponent5Band, 6)->valueText, "-2");
}

TEST(PalettePositions, GiveOnePositionDifferentMeaningsByMode) {
    const auto violetDigit = ColourCode::paletteEntry(PaletteMode::Digit, 7);
    const auto goldExponent = ColourCode::paletteEntry(PaletteMode::Exponent4Band, 7);
    ASSERT_TRUE(violetDigit && goldExponent);
    EXPECT_EQ(violetDigit->colour, Colour::Violet);
    EXPECT_EQ(violetDigit->value, 7);
    EXPECT_EQ(goldExponent->colour, Colour::Gold);
    EXPECT_EQ(goldExponent->value, -1);

    const auto blackDigit = ColourCode::paletteEntry(PaletteMode::Digit, 0);
    const auto brownTolerance = ColourCode::paletteEntry(PaletteMode::Tolerance, 0);
    ASSERT_TRUE(blackDigit && brownTolerance);
    EXPECT_EQ(blackDigit->value, 0);
    EXPECT_EQ(brownTolerance->colour, Colour::Brown);
    EXPECT_EQ(brownTolerance->value, 1);
}

TEST(PalettePositions, OfferOnlyTheMultipliersOfTheBandCount) {
    for (std::size_t position = 0; position < ColourCode::paletteSize; ++position) {
        if (const auto entry = ColourCode::paletteEntry(PaletteMode::Exponent5Band, position)) {
            EXPECT_LE(entry->value, 4);
        }
        if (const auto entry = ColourCode::paletteEntry(PaletteMode::Exponent4Band, position)) {
            EXPECT_LE(entry->value, 6);
        }
    }
}

}  // namespace
