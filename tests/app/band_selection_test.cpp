#include "clicks.h"
#include "main_window.h"

namespace pruhomat::testing {
namespace {

using BandSelection = MainWindow;

TEST_F(BandSelection, EachBandPutsUpItsPaletteAndArrow) {
    struct Case {
        const char* picture;
        int band;
        const char* caption;
        const std::vector<std::string>& palette;
    };
    const Case cases[] = {
        {"p19", 1, "Paleta", digitPalette},          {"p29", 2, "Paleta", digitPalette},
        {"p39", 3, "Paleta", digitPalette},          {"p4p", 4, "Paleta - Exponent", exponentPalette5Band},
        {"pp10", 5, "Paleta - Přesnost", tolerancePalette}, {"p19", 1, "Paleta", digitPalette},
    };
    for (const auto& selection : cases) {
        click(selection.picture);
        EXPECT_EQ(state().band, selection.band) << selection.picture;
        EXPECT_EQ(visibleArrows(), std::vector<std::string>{"sipka" + std::to_string(selection.band)});
        EXPECT_EQ(caption("Paleta"), selection.caption);
        EXPECT_EQ(palette(), selection.palette) << selection.picture;
    }
}

TEST_F(BandSelection, ValueLabelOfRowThreeMovesOnlyForTheTolerance) {
    click("pp10");
    EXPECT_EQ(form().control("Label14").left(), 150);
    click("p19");
    EXPECT_EQ(caption("Label14"), "3");
    EXPECT_EQ(form().control("Label14").left(), 240);
}

TEST_F(BandSelection, BandFourThenBandThreeRestoresTheLowerRows) {
    click("p4p");
    click("p39");
    EXPECT_EQ(caption("Paleta"), "Paleta");
    EXPECT_EQ(palette(), digitPalette);
}

TEST_F(BandSelection, FourBandsBandThreeOffersTheFourBandExponents) {
    click("band4");
    click("p3silver");
    EXPECT_EQ(caption("Paleta"), "Paleta - Exponent");
    EXPECT_EQ(palette(), exponentPalette4Band);
    click("p19");
    EXPECT_EQ(palette(), digitPalette);
}

TEST_F(BandSelection, RepeatingASelectionChangesNothing) {
    click("p4p");
    form().clearChanges();
    click("p4p");
    EXPECT_TRUE(form().changedControls().empty());
    EXPECT_EQ(state().band, 4);
}

TEST_F(BandSelection, SelectingLeavesTheBandsValueAndPicture) {
    click("p29");
    EXPECT_EQ(state().num2, 9);
    EXPECT_TRUE(shown("p29"));
}

TEST_F(BandSelection, WithoutAutomaticAdvanceEverySelectionHidesTheResult) {
    for (const char* picture : {"p19", "p29", "p39", "p4p", "pp10"}) {
        click("prog");
        ASSERT_NE(resultRow(), "");
        click(picture);
        EXPECT_EQ(resultRow(), "") << picture;
    }
}

TEST_F(BandSelection, WithAutomaticAdvanceOnlyBandTwoHidesTheResult) {
    setAutomaticAdvance(true);
    for (const char* picture : {"p19", "p39", "p4p", "pp10"}) {
        click("prog");
        click(picture);
        EXPECT_EQ(resultRow(), "9,99 ohm 10 %") << picture;
    }
    click("p29");
    EXPECT_EQ(resultRow(), "");
}

TEST_F(BandSelection, FourBandsTheEmptyBandFourTakesNoClick) {
    click("band4");
    form().clearChanges();
    const auto [x, y] = centreOf("p4none");
    forms::clickAt(form(), x, y);
    EXPECT_EQ(state().band, 0);
    EXPECT_TRUE(form().changedControls().empty());
}

}  // namespace
}  // namespace pruhomat::testing
