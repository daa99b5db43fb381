#include "main_window.h"

namespace pruhomat::testing {
namespace {

using ColourEntry = MainWindow;

const std::initializer_list<std::string_view> stack3{"p30", "p31", "p32", "p33", "p34", "p35", "p36",
                                                     "p37", "p38", "p39", "p3gold", "p3silver"};

TEST_F(ColourEntry, WithNoCurrentBandNothingChanges) {
    for (int button = 0; button < 10; ++button) {
        click("b" + std::to_string(button));
    }
    EXPECT_TRUE(form().changedControls().empty());
    EXPECT_EQ(state().band, 0);
    EXPECT_TRUE(port.messageBoxes.empty());
}

TEST_F(ColourEntry, ZeroRuleRefusesBlackOnBandOne) {
    for (const bool automatic : {false, true}) {
        setAutomaticAdvance(automatic);
        click("p19");
        form().clearChanges();
        port.messageBoxes.clear();
        click("b0");
        ASSERT_EQ(port.messageBoxes.size(), 1u);
        EXPECT_EQ(port.messageBoxes[0].prompt, "Hodnotu '0' nelze v prvním poli použít...");
        EXPECT_EQ(port.messageBoxes[0].title, "O Programu...");
        EXPECT_EQ(port.messageBoxes[0].kind, forms::MessageKind::Information);
        EXPECT_EQ(state().num1, 9);
        EXPECT_TRUE(shown("p19"));
        EXPECT_FALSE(shown("p10"));
        port.closeMessageBox();
        EXPECT_EQ(state().band, 1);
        EXPECT_EQ(visibleArrows(), std::vector<std::string>{"sipka1"});
    }
}

TEST_F(ColourEntry, FourBandsWithAutomaticAdvanceSkipsBandFour) {
    click("band4");
    setAutomaticAdvance(true);
    click("b0");
    clicks({"b4", "b7", "b7"});
    EXPECT_EQ(state().num1, 4);
    EXPECT_EQ(state().num2, 7);
    EXPECT_EQ(state().num3, -1);
    EXPECT_EQ(visibleOf(stack3), std::vector<std::string>{"p3gold"});
    EXPECT_EQ(state().band, 5);
    EXPECT_EQ(caption("Paleta"), "Paleta - Přesnost");
    click("b2");
    EXPECT_EQ(state().num5, 5);
    EXPECT_EQ(visibleOf({"pp10", "pp5", "pp2", "pp1"}), std::vector<std::string>{"pp5"});
    EXPECT_EQ(resultRow(), "4,7 ohm 5 %");
    EXPECT_EQ(state().band, 1);
}

TEST_F(ColourEntry, ButtonSevenIsADigitOrTheGoldExponentByBandCount) {
    click("p39");
    click("b7");
    EXPECT_EQ(state().num3, 7);
    EXPECT_EQ(visibleOf(stack3), std::vector<std::string>{"p37"});

    click("band4");
    clickBand(3);
    click("b7");
    EXPECT_EQ(state().num3, -1);
    EXPECT_EQ(visibleOf(stack3), std::vector<std::string>{"p3gold"});
}

TEST_F(ColourEntry, WithoutAutomaticAdvanceTheBandStaysAndTakesTheLastColour) {
    click("band4");
    click("p3silver");
    clicks({"b2", "b3"});
    EXPECT_EQ(state().band, 3);
    EXPECT_EQ(state().num3, 3);
    EXPECT_EQ(visibleOf(stack3), std::vector<std::string>{"p33"});
    EXPECT_TRUE(visibleOf({"p40", "p41", "p42", "p43", "p44", "p4gold", "p4silver", "p4p"}).empty());
}

TEST_F(ColourEntry, BandFourStoresGoldAndSilverExponents) {
    click("p4p");
    click("b5");
    EXPECT_EQ(state().num4, -1);
    EXPECT_TRUE(shown("p4gold"));
    click("b6");
    EXPECT_EQ(state().num4, -2);
    EXPECT_EQ(visibleOf({"p40", "p41", "p42", "p43", "p44", "p4gold", "p4silver"}),
              std::vector<std::string>{"p4silver"});
    EXPECT_TRUE(shown("p4p")) << "the plain band 4 lies beneath and is never touched by entry";
}

TEST_F(ColourEntry, ToleranceLeavesOnlyItsPictureInFrontOfTheSpare) {
    click("pp10");
    click("b0");
    EXPECT_EQ(state().num5, 1);
    EXPECT_EQ(visibleOf({"pp10", "pp5", "pp2", "pp1", "ppp"}), (std::vector<std::string>{"pp1", "ppp"}));
}

TEST_F(ColourEntry, HiddenButtonsTakeNoClicks) {
    click("pp10");
    click("b7");
    EXPECT_EQ(state().num5, 10);
    EXPECT_EQ(state().band, 5);
}

TEST_F(ColourEntry, EnteringTheShownColourAgainChangesNothingVisible) {
    click("p29");
    click("b3");
    form().clearChanges();
    click("b3");
    EXPECT_TRUE(form().changedControls().empty());
    EXPECT_EQ(state().num2, 3);
}

}  // namespace
}  // namespace pruhomat::testing
