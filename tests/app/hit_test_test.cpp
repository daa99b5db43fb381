#include "clicks.h"
#include "main_window.h"
#include "reader.h"

#include <algorithm>
#include <vector>

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

// A screen reader meets what the pointer meets: of each stack its front picture, the result
// row as the one value label, and a palette row as its swatch.
TEST_F(ClicksAtPoints, ToleranceColumnShowsTheTenPercentPictureInFront) {
    const auto [x, y] = centreOf("ppp");
    EXPECT_EQ(form().controls()[form().hitTest(x, y)].name(), "pp10");
    std::vector<std::string> heard;
    for (std::size_t index = 0; index < form().controls().size(); ++index) {
        const std::string& name = form().controls()[index].name();
        if (form().isHeardAlone(index) && (name.starts_with("pp") || name == "vysl" || name == "presn" ||
                                          name.starts_with("Label") || name == "ohm")) {
            heard.push_back(name);
        }
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"pp10", "vysl"}));
    click("pp10");
    click("b1");
    int tolerancesHeard = 0;
    for (const char* name : {"pp1", "pp2", "pp5", "pp10", "ppp"}) {
        tolerancesHeard += form().isHeardAlone(form().indexOf(name)) ? 1 : 0;
    }
    EXPECT_EQ(tolerancesHeard, 1);
}

// A band's stack is one object to a reader: it stays while its front picture, and so its name,
// changes. The palette is a list whose keyboard highlight is the reader's focus.
TEST_F(ClicksAtPoints, ABandIsOneReaderObjectAndThePaletteAList) {
    const std::size_t band4 = forms::stackOf(form(), form().indexOf("p4p"));
    const std::vector<std::size_t> heard = forms::readerChildren(form(), form().indexOf("Resistor"));
    EXPECT_EQ(std::ranges::count(heard, band4), 1);
    EXPECT_EQ(forms::readerContainer(form(), band4), form().indexOf("Resistor"));
    EXPECT_EQ(form().controls()[forms::frontOf(form(), band4)].name(), "p4p");
    click("p4p");
    click("b2");
    EXPECT_EQ(forms::stackOf(form(), form().indexOf("p42")), band4);
    EXPECT_EQ(form().controls()[forms::frontOf(form(), band4)].name(), "p42");
    EXPECT_EQ(std::ranges::count(forms::readerChildren(form(), form().indexOf("Resistor")), band4), 1);

    const std::size_t palette = form().indexOf("Paleta");
    EXPECT_EQ(forms::readerRole(form(), palette), forms::ReaderRole::List);
    EXPECT_EQ(forms::readerRole(form(), form().indexOf("b3")), forms::ReaderRole::ListItem);
    EXPECT_EQ(forms::readerRole(form(), form().indexOf("p42")), forms::ReaderRole::PushButton);
    EXPECT_EQ(forms::readerRole(form(), form().indexOf("band4")), forms::ReaderRole::RadioButton);
    const std::size_t focus = forms::readerFocus(form(), palette);
    EXPECT_TRUE(form().controls()[focus].accessibleSelected());
    EXPECT_EQ(forms::readerFocus(form(), form().indexOf("prog")), form().indexOf("prog"));
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

// A finger takes the band or swatch nearest it within 20 pixels; a mouse only what it hits.
TEST_F(ClicksAtPoints, AFingerTakesWhatLiesNearestWithinReach) {
    constexpr int reach = 300;
    for (const auto shape : {forms::ScreenShape::Wide, forms::ScreenShape::Upright}) {
        window.fitScreen(shape);
        const forms::Rect swatch = form().rectOnForm(form().indexOf("b4"));
        EXPECT_EQ(form().controls()[form().pressTarget(swatch.left - 90, swatch.top + 30, reach)].name(), "b4");
        EXPECT_EQ(form().controls()[form().pressTarget(swatch.left - 90, swatch.top + 30, 0)].name(), "Paleta");
    }
    const forms::Rect band2 = form().rectOnForm(form().indexOf("p29"));
    const int x = band2.left + band2.width / 2;
    EXPECT_EQ(form().controls()[form().pressTarget(x, band2.top - 105, reach)].name(), "p29");
    EXPECT_EQ(form().controls()[form().pressTarget(x, band2.top - reach - 15, reach)].name(), "Resistor");
}

}  // namespace
}  // namespace pruhomat::testing

