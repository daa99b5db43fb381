#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "form1.h"
#include "headless_session.h"

namespace pruhomat::testing {
namespace {

using forms::Key;
using forms::ScreenShape;

// Upright on a screen 360 pixels wide: nothing past the client area, which with its frame fits,
// and what a finger presses at least 40 pixels square.
void expectFitsAPhone(const forms::Form& form) {
    constexpr int widest = 5250;  // twips: 350 pixels
    constexpr int fingertip = 600;
    const forms::FormLooks& looks = form.looks();
    EXPECT_LE(looks.clientWidth, widest) << looks.name;
    for (std::size_t index = 0; index < form.controls().size(); ++index) {
        const forms::Control& control = form.controls()[index];
        const forms::Rect box = form.rectOnForm(index);
        EXPECT_LE(box.left + box.width, looks.clientWidth) << control.name();
        EXPECT_LE(box.top + box.height, looks.clientHeight) << control.name();
        const bool pressed = control.traits().isPushButton || control.traits().toggle != forms::Toggle::Not ||
                             control.traits().hasItems || (control.onClick && control.border == forms::Border::FixedSingle);
        if (pressed) {
            EXPECT_GE(std::min(box.width, box.height), fingertip) << control.name();
        }
    }
}

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

TEST_F(ScreenShapes, EveryWindowFitsAPhoneHeldUpright) {
    window.fitScreen(ScreenShape::Upright);
    expectFitsAPhone(window.form());
    int dialogs = 0;
    session.whileModal = [&](HeadlessView& dialog) {
        ++dialogs;
        expectFitsAPhone(dialog.form());
        session.keyPressed(dialog, forms::noControl, {Key::Escape});
    };
    session.keyPressed(main, forms::noControl, {Key::Character, U'f', true});
    session.click(main, window.form().indexOf("Info_pr"));
    EXPECT_EQ(dialogs, 2);
}

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
