#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form1.h"
#include "headless_session.h"

namespace pruhomat::testing {
namespace {

using forms::Key;
using forms::ScreenShape;

// What the user sees and has entered: each control's caption, whether it shows, its value and place.
std::vector<std::string> shownState(const forms::Form& form) {
    std::vector<std::string> state;
    for (const forms::Control& control : form.controls()) {
        const forms::Rect& at = control.rect();
        state.push_back(control.caption() + (control.visible() ? "+" : "-") + (control.value() ? "1 " : "0 ") +
                        std::to_string(at.left) + "," + std::to_string(at.top) + "," + std::to_string(at.width));
    }
    return state;
}

class ScreenShapes : public ::testing::Test {
protected:
    HeadlessSession session;
    Form1 window{session, ","};
    HeadlessView main{session, window.form()};
};

// Turned and turned back, with the value dialog open: every window as before and all entered kept.
TEST_F(ScreenShapes, TurningKeepsEverythingEntered) {
    for (const char* name : {"automat", "band4", "p20", "b3", "b7", "b2", "prog", "ppp"}) {
        session.click(main, window.form().indexOf(name));
    }
    const std::vector<std::string> entered = shownState(window.form());
    session.whileModal = [&](HeadlessView& dialog) {
        session.edited(dialog, dialog.form().indexOf("txtValue"), "4k7 1%");
        const std::vector<std::string> typed = shownState(dialog.form());
        window.fitScreen(ScreenShape::Upright);
        EXPECT_EQ(dialog.form().looks().clientWidth, 5160);
        EXPECT_EQ(dialog.form().control("txtValue").caption(), "4k7 1%");
        window.fitScreen(ScreenShape::Wide);
        EXPECT_EQ(shownState(dialog.form()), typed);
        session.keyPressed(dialog, forms::noControl, {Key::Escape});
    };
    session.keyPressed(main, forms::noControl, {Key::Character, U'f', true});
    EXPECT_EQ(shownState(window.form()), entered);
}

}  // namespace
}  // namespace pruhomat::testing
