#include "main_window.h"

namespace pruhomat::testing {
namespace {

using ResultDisplay = MainWindow;

TEST_F(ResultDisplay, EndsEditingAndShowsTheRightUnit) {
    click("p19");
    click("b1");
    click("p29");
    click("b0");
    click("p39");
    click("b0");
    click("p4p");
    click("b4");
    click("prog");
    EXPECT_EQ(resultRow(), "1 mohm 10 %");
    EXPECT_EQ(state().band, 0);
    EXPECT_TRUE(visibleArrows().empty());
    EXPECT_EQ(caption("Paleta"), "Paleta - Exponent") << "the palette is left as it was";

    click("b2");
    EXPECT_EQ(state().num4, 4) << "with no band current a palette click enters nothing";

    click("p4p");
    click("b3");
    click("prog");
    EXPECT_EQ(resultRow(), "100 kohm 10 %");
}

TEST_F(ResultDisplay, ShowsEachToleranceWithThePercentSign) {
    const std::pair<const char*, const char*> tolerances[] = {{"b0", "1"}, {"b1", "2"}, {"b2", "5"}, {"b3", "10"}};
    for (const auto& [button, percent] : tolerances) {
        clickBand(5);
        click(button);
        click("prog");
        EXPECT_EQ(caption("presn"), percent);
        EXPECT_TRUE(shown("Label21"));
        EXPECT_EQ(caption("Label21"), "%");
    }
}

TEST_F(ResultDisplay, ValuesBelowOneKeepTheirLeadingZero) {
    click("band4");
    click("p19");
    click("b4");
    click("p29");
    click("b7");
    click("prog");
    EXPECT_EQ(resultRow(), "0,47 ohm 10 %");
}

}  // namespace
}  // namespace pruhomat::testing
