#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "clicks.h"
#include "form.h"
#include "layout.h"

namespace pruhomat::forms {
namespace {

// A frame holding two overlapping pictures and an option group, beside a check box.
class SmallForm : public ::testing::Test {
protected:
    static constexpr std::array<LayoutRow, 6> layout{
        checkBox("check", "check", {0, 0, 500, 200}, false),
        frame("frame", "frame", {0, 300, 2000, 2000}),
        picture("front", ImageId::Arrow, {100, 100, 300, 300}).in("frame"),
        picture("back", ImageId::Arrow, {100, 100, 600, 600}).in("frame"),
        optionButton("one", "1", {1000, 100, 300, 300}, true).in("frame"),
        optionButton("two", "2", {1000, 500, 300, 300}, false).in("frame"),
    };

    std::string hitName(int x, int y) {
        const std::size_t hit = form.hitTest(x, y);
        return hit == noControl ? "" : form.controls()[hit].name();
    }

    Form form{{"test", "", 3000, 3000, FormBorder::FixedSingle}, layout};
    std::vector<std::string> clicked;

    void SetUp() override {
        for (const char* name : {"front", "back", "one", "two", "frame"}) {
            form.control(name).onClick = [this, name] { clicked.emplace_back(name); };
        }
    }
};

TEST_F(SmallForm, HitTestLooksIntoFramesAndPrefersTheFront) {
    EXPECT_EQ(hitName(150, 450), "front");
    EXPECT_EQ(hitName(650, 950), "back");
    EXPECT_EQ(hitName(1900, 2200), "frame");
    EXPECT_EQ(hitName(2500, 100), "");
    form.control("front").setVisible(false);
    EXPECT_EQ(hitName(150, 450), "back");
}

TEST_F(SmallForm, MeasuresControlsInFramesFromTheForm) {
    const Rect back = form.rectOnForm(form.indexOf("back"));
    EXPECT_EQ(back.left, 100);
    EXPECT_EQ(back.top, 400);
    EXPECT_EQ(back.width, 600);
    EXPECT_EQ(form.rectOnForm(form.indexOf("check")).top, 0);
}

TEST_F(SmallForm, ClicksGoToTheHitControlOnly) {
    clickAt(form, 150, 450);
    EXPECT_EQ(clicked, std::vector<std::string>{"front"});
}

TEST_F(SmallForm, HiddenControlsTakeNoClicks) {
    form.control("front").setVisible(false);
    click(form, "front");
    form.control("frame").setVisible(false);
    click(form, "back");
    EXPECT_TRUE(clicked.empty());
}

TEST_F(SmallForm, OptionButtonIsSelectedBeforeItsHandlerRuns) {
    form.control("two").onClick = [this] {
        EXPECT_TRUE(form.control("two").value());
        EXPECT_FALSE(form.control("one").value());
        clicked.emplace_back("two");
    };
    click(form, "two");
    click(form, "two");
    EXPECT_EQ(clicked, std::vector<std::string>{"two"}) << "a selected option button runs nothing";
}

TEST_F(SmallForm, CheckBoxToggles) {
    click(form, "check");
    EXPECT_TRUE(form.control("check").value());
    clickAt(form, 10, 10);
    EXPECT_FALSE(form.control("check").value());
}

TEST_F(SmallForm, TracksEachChangedControlOnceWithItsProperties) {
    EXPECT_TRUE(form.changedControls().empty());
    form.control("front").setVisible(false);
    form.control("front").setCaption("x");
    form.control("back").setVisible(true);
    form.control("back").setLeft(100);
    ASSERT_EQ(form.changedControls().size(), 1u);
    EXPECT_EQ(form.changedControls()[0], form.indexOf("front"));
    EXPECT_EQ(form.changedProperties(form.indexOf("front")), VisibleProperty | CaptionProperty);
    form.clearChanges();
    EXPECT_TRUE(form.changedControls().empty());
    EXPECT_EQ(form.changedProperties(form.indexOf("front")), 0);
}

TEST_F(SmallForm, UnknownNamesAreRefused) {
    EXPECT_THROW(form.control("nothing"), std::out_of_range);
    constexpr std::array<LayoutRow, 2> twins{label("same", "", {}), label("same", "", {})};
    EXPECT_THROW((Form{{"bad", "", 1, 1, FormBorder::FixedSingle}, twins}), std::logic_error);
}

}  // namespace
}  // namespace pruhomat::forms
