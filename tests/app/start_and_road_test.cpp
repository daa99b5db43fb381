#include "main_window.h"

namespace pruhomat::testing {
namespace {

using StartState = MainWindow;
using RoadOfOneResistor = MainWindow;

TEST_F(StartState, ShowsTheLoadedResistorFromTheLayoutAlone) {
    EXPECT_EQ(form().looks().caption, "  Virtuální Pruhomat");
    EXPECT_TRUE(form().changedControls().empty());
    EXPECT_EQ(visibleOf({"p10", "p11", "p12", "p13", "p14", "p15", "p16", "p17", "p18", "p19"}),
              std::vector<std::string>{"p19"});
    EXPECT_EQ(visibleOf({"p29", "p39", "p4p", "p4none", "p3silver", "p4silver", "ResistorL", "ResistorP"}),
              (std::vector<std::string>{"p29", "p39", "p4p", "ResistorL", "ResistorP"}));
    EXPECT_EQ(visibleOf({"pp10", "pp5", "pp2", "pp1", "ppp"}),
              (std::vector<std::string>{"pp10", "pp5", "pp2", "pp1", "ppp"}));
    EXPECT_EQ(resultRow(), "9,99 ohm 10 %");
    EXPECT_TRUE(visibleArrows().empty());
    EXPECT_EQ(caption("Paleta"), "Paleta");
    EXPECT_EQ(palette(), digitPalette);
    EXPECT_TRUE(form().control("band5").value());
    EXPECT_FALSE(form().control("band4").value());
    EXPECT_FALSE(form().control("automat").value());
}

TEST_F(StartState, HoldsTheLoadedResistor) {
    EXPECT_EQ(state().band, 0);
    EXPECT_EQ(state().num1, 9);
    EXPECT_EQ(state().num2, 9);
    EXPECT_EQ(state().num3, 9);
    EXPECT_EQ(state().num4, -2);
    EXPECT_EQ(state().num5, 10);
}

TEST_F(StartState, ResultButtonComputesTheSameRow) {
    click("prog");
    EXPECT_EQ(resultRow(), "9,99 ohm 10 %");
}

TEST(StartStateSeparator, TheFirstResultUsesTheRegionalSeparator) {
    RecordingPort port;
    Form1 window(port, ".");
    EXPECT_EQ(window.form().control("vysl").caption(), "9.99");
}

TEST_F(RoadOfOneResistor, FiveBandsWithAutomaticAdvance) {
    setAutomaticAdvance(true);
    click("b5");
    EXPECT_EQ(state().band, 1);
    EXPECT_EQ(visibleArrows(), std::vector<std::string>{"sipka1"});
    EXPECT_EQ(palette(), digitPalette);
    EXPECT_EQ(state().num1, 9) << "the first click only selects band 1";

    click("b1");
    EXPECT_TRUE(shown("p11"));
    EXPECT_EQ(state().num1, 1);
    EXPECT_EQ(visibleArrows(), std::vector<std::string>{"sipka2"});
    clicks({"b0", "b0"});
    EXPECT_TRUE(shown("p20"));
    EXPECT_TRUE(shown("p30"));
    EXPECT_EQ(caption("Paleta"), "Paleta - Exponent");
    EXPECT_EQ(palette(), exponentPalette5Band);
    click("b2");
    EXPECT_TRUE(shown("p42"));
    EXPECT_EQ(state().num4, 2);
    EXPECT_EQ(caption("Paleta"), "Paleta - Přesnost");
    EXPECT_EQ(palette(), tolerancePalette);
    click("b3");
    EXPECT_EQ(visibleOf({"pp10", "pp5", "pp2", "pp1"}), std::vector<std::string>{"pp10"});
    EXPECT_EQ(resultRow(), "10 kohm 10 %");
    EXPECT_EQ(state().band, 1);
    EXPECT_EQ(visibleArrows(), std::vector<std::string>{"sipka1"});
    EXPECT_EQ(caption("Paleta"), "Paleta");
    EXPECT_EQ(palette(), digitPalette);

    click("p11");
    EXPECT_EQ(resultRow(), "10 kohm 10 %") << "the result stays while band 1 is current";
    click("b4");
    EXPECT_EQ(state().band, 2);
    EXPECT_EQ(resultRow(), "") << "and goes when band 2 becomes current";
}

}  // namespace
}  // namespace pruhomat::testing
