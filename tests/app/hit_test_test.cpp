#include "clicks.h"
#include "main_window.h"

namespace pruhomat::testing {
namespace {

using ClicksAtPoints = MainWindow;

TEST_F(ClicksAtPoints, ReachTheFrontMostVisiblePicture) {
    const auto [x, y] = centreOf("p4p");
    EXPECT_EQ(form().controls()[form().hitTest(x, y)].name(), "p4p");
    forms::clickAt(form(), x, y);
    EXPECT_EQ(state().band, 4);
    click("b2");
    EXPECT_EQ(form().controls()[form().hitTest(x, y)].name(), "p42");
}

TEST_F(ClicksAtPoints, ToleranceColumnShowsTheTenPercentPictureInFront) {
    const auto [x, y] = centreOf("ppp");
    EXPECT_EQ(form().controls()[form().hitTest(x, y)].name(), "pp10");
}

TEST_F(ClicksAtPoints, ControlsWithoutHandlersSwallowTheClick) {
    click("p19");
    click("prog");
    const char* inert[] = {"ResistorL", "ResistorP", "ohm", "vysl", "presn", "Label21", "Label1", "Label11"};
    for (const char* name : inert) {
        const auto [x, y] = centreOf(name);
        form().clearChanges();
        forms::clickAt(form(), x, y);
        EXPECT_TRUE(form().changedControls().empty()) << name;
    }
    EXPECT_EQ(state().band, 0);
}

TEST_F(ClicksAtPoints, AnArrowCoversTheBandBehindIt) {
    click("p29");
    const auto [x, y] = centreOf("sipka2");
    EXPECT_EQ(form().controls()[form().hitTest(x, y)].name(), "sipka2");
}

TEST_F(ClicksAtPoints, SwatchesEnterColours) {
    click("p29");
    const auto [x, y] = centreOf("b5");
    forms::clickAt(form(), x, y);
    EXPECT_EQ(state().num2, 5);
}

TEST_F(ClicksAtPoints, OutsideEveryControlNothingHappens) {
    EXPECT_EQ(form().hitTest(6300, 3300), forms::noControl);
    forms::clickAt(form(), 6300, 3300);
    EXPECT_TRUE(form().changedControls().empty());
}

}  // namespace
}  // namespace pruhomat::testing
