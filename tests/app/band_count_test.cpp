#include "main_window.h"

namespace pruhomat::testing {
namespace {

using BandCountSwitch = MainWindow;

const std::initializer_list<std::string_view> band4Column{"p40", "p41", "p42", "p43", "p44",
                                                          "p4gold", "p4silver", "p4none", "p4p"};

TEST_F(BandCountSwitch, StartStateToFourBandsTurnsBandThreeSilver) {
    click("band4");
    EXPECT_EQ(state().num3, -2);
    EXPECT_TRUE(shown("p3silver"));
    EXPECT_FALSE(shown("p39"));
    EXPECT_EQ(visibleOf(band4Column), std::vector<std::string>{"p4none"});
    EXPECT_EQ(resultRow(), "");
    EXPECT_TRUE(visibleArrows().empty());
    EXPECT_EQ(state().band, 0);
    click("prog");
    EXPECT_EQ(resultRow(), "0,99 ohm 10 %");
}

TEST_F(BandCountSwitch, ThirdDigitsThatAreNoMultiplierBecomeSilver) {
    for (const char* button : {"b8", "b9", "b7"}) {
        click("band5");
        click("p3silver");
        click(button);
        click("band4");
        EXPECT_EQ(state().num3, -2) << button;
        EXPECT_EQ(visibleOf({"p37", "p38", "p39", "p3silver"}), std::vector<std::string>{"p3silver"}) << button;
        click("prog");
        EXPECT_EQ(resultRow(), "0,99 ohm 10 %") << button;
    }
}

TEST_F(BandCountSwitch, AThirdDigitUpToSixBecomesTheMultiplier) {
    click("p39");
    click("b5");
    click("band4");
    EXPECT_EQ(state().num3, 5);
    EXPECT_TRUE(shown("p35"));
    click("prog");
    EXPECT_EQ(resultRow(), "9,9 mohm 10 %");
}

TEST_F(BandCountSwitch, BackToFiveBandsBandFourIsSilverAgain) {
    click("p4p");
    click("b2");
    click("band4");
    click("band5");
    EXPECT_EQ(state().num4, -2);
    EXPECT_EQ(visibleOf(band4Column), std::vector<std::string>{"p4p"});
}

TEST_F(BandCountSwitch, GoldThirdBandSurvivesTheSwitchToFiveBands) {
    click("band4");
    click("p3silver");
    click("b7");
    click("band5");
    EXPECT_EQ(state().num3, -1);
    EXPECT_TRUE(shown("p3gold"));
    click("prog");
    EXPECT_EQ(resultRow(), "0 ohm 10 %");
    EXPECT_EQ(state().num3, -1);
}

TEST_F(BandCountSwitch, SilverThirdBandReadsAsWhiteAfterTheSwitch) {
    click("band4");
    click("band5");
    click("prog");
    EXPECT_EQ(resultRow(), "9,99 ohm 10 %");
    EXPECT_EQ(state().num3, 9);
}

TEST_F(BandCountSwitch, DropsTheToleranceSelectionAndRestoresDigits) {
    for (const char* option : {"band4", "band5"}) {
        click("pp10");
        click(option);
        EXPECT_EQ(caption("Paleta"), "Paleta");
        EXPECT_EQ(palette(), digitPalette);
        EXPECT_TRUE(visibleArrows().empty());
        EXPECT_EQ(state().band, 0);
        EXPECT_EQ(form().control("Label14").left(), 240);
    }
}

TEST_F(BandCountSwitch, KeepsDigitsToleranceAndAutomaticAdvance) {
    setAutomaticAdvance(true);
    clicks({"b0", "b2", "b3"});
    click("band4");
    click("band5");
    EXPECT_EQ(state().num1, 2);
    EXPECT_EQ(state().num2, 3);
    EXPECT_TRUE(shown("p12"));
    EXPECT_TRUE(shown("p23"));
    EXPECT_TRUE(form().control("automat").value());
    click("b1");
    EXPECT_EQ(state().band, 1) << "the first click after a switch only selects band 1";
    EXPECT_EQ(state().num1, 2);
}

TEST_F(BandCountSwitch, ClickingTheSelectedOptionRunsNothing) {
    click("p4p");
    click("b2");
    form().clearChanges();
    click("band5");
    EXPECT_TRUE(form().changedControls().empty());
    EXPECT_EQ(state().num4, 2);
    EXPECT_EQ(state().band, 4);
    EXPECT_TRUE(shown("p42"));
}

TEST_F(BandCountSwitch, OptionButtonsStayOneGroup) {
    click("band4");
    EXPECT_TRUE(form().control("band4").value());
    EXPECT_FALSE(form().control("band5").value());
    click("band5");
    EXPECT_FALSE(form().control("band4").value());
    EXPECT_TRUE(form().control("band5").value());
}

}  // namespace
}  // namespace pruhomat::testing
