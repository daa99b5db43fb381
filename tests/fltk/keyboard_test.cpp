#include <X11/keysym.h>

#include <FL/Fl.H>

#include "real_window.h"
#include "x_session.h"

namespace pruhomat::testing {
namespace {

class KeyboardEntry : public RealWindow {
protected:
    void key(unsigned long keysym) { pressKey(window(), keysym); }
    void keys(std::initializer_list<unsigned long> keysyms) {
        for (const unsigned long keysym : keysyms) {
            key(keysym);
        }
    }

    // Tab round the window until the palette and drawing hold the keyboard: FLTK's focus then
    // rests on the window itself, the palette being the main window's one frame among its stops.
    bool tabToThePalette() {
        for (int stop = 0; stop < 8 && Fl::focus() != &window(); ++stop) {
            key(XK_Tab);
        }
        return Fl::focus() == &window();
    }

    // The pixels of the palette row's outline that differ between two captures.
    int outlineChanges(const Capture& before, const Capture& after, int row) {
        const PixelRect value = pixelRect(window().form(), "Label" + std::to_string(row + 11));
        const PixelRect name = pixelRect(window().form(), "Label" + std::to_string(row + 1));
        int changed = 0;
        for (int x = value.x; x < name.x + name.width; ++x) {
            changed += before.at(x, value.y) != after.at(x, value.y) ? 1 : 0;
            changed += before.at(x, value.y + value.height - 1) != after.at(x, value.y + value.height - 1) ? 1 : 0;
        }
        return changed;
    }
};

// Right after start, before any other key or click: the palette has the keyboard.
TEST_F(KeyboardEntry, FromTheStartTheKeysAloneEnterAResistor) {
    keys({XK_Right, XK_1, XK_Right, XK_0, XK_Right, XK_0, XK_Right, XK_2, XK_Right, XK_s});
    pressChord(window(), {XK_Control_L, XK_Return});
    EXPECT_EQ(caption("vysl"), "10");
    EXPECT_TRUE(shown("kohm"));
    EXPECT_EQ(caption("presn"), "10");
}

TEST_F(KeyboardEntry, FiveBandResistorFromTheKeysAloneReachesTheClipboard) {
    ASSERT_EQ(Fl::focus(), &window()) << "the palette has the keyboard from the start";
    const Capture atStart = capture(window());
    key(XK_Down);
    const Capture onSecondRow = capture(window());
    EXPECT_GT(outlineChanges(atStart, onSecondRow, 1), 20) << "the first key shows a dotted rectangle";
    key(XK_Up);
    const Capture onFirstRow = capture(window());
    EXPECT_GT(outlineChanges(onSecondRow, onFirstRow, 0), 20) << "the rectangle moved up a row";
    EXPECT_GT(outlineChanges(atStart, onFirstRow, 0), 20) << "and was hidden at start";

    key(XK_Tab);
    key(XK_space);
    EXPECT_TRUE(application->form1().form().control("automat").value()) << "Space checks automatic advance";
    pressChord(window(), {XK_Shift_L, XK_Tab});
    ASSERT_EQ(Fl::focus(), &window());
    // Yellow, violet, black, brown multiplier, gold; the keypad's digits count as digits.
    keys({XK_Right, XK_4, XK_Num_Lock, XK_KP_7, XK_Num_Lock, XK_0, XK_1, XK_g});
    EXPECT_EQ(caption("vysl"), "4,7");
    EXPECT_TRUE(shown("kohm"));
    pressChord(window(), {XK_Control_L, XK_c});
    EXPECT_EQ(selectionText("clipboard"), "4,7 kΩ ±5 %");
    EXPECT_EQ(selectionText("primary"), "4,7 kΩ ±5 %");
}

// A colour typed while its band stays current: the mark, and a reader's selection, stand on it.
TEST_F(KeyboardEntry, TheMarkStandsOnTheColourTyped) {
    keys({XK_Right, XK_Right, XK_Right});
    const Capture onWhite = capture(window());
    key(XK_2);
    EXPECT_GT(outlineChanges(onWhite, capture(window()), 2), 20) << "the rectangle moved to red";
    EXPECT_TRUE(application->form1().form().control("b2").accessibleSelected());
}

TEST_F(KeyboardEntry, FourBandResistorAndTheResultFromTheKeys) {
    ASSERT_TRUE(tabToThePalette());
    key(XK_Tab);
    key(XK_Tab);
    key(XK_Down);
    EXPECT_TRUE(application->form1().form().control("band4").value()) << "the arrow chose four bands";
    pressChord(window(), {XK_Shift_L, XK_Tab});
    pressChord(window(), {XK_Shift_L, XK_Tab});
    ASSERT_EQ(Fl::focus(), &window());
    // Brown, black, red multiplier (band 4 is skipped), red tolerance; 3 is no tolerance.
    keys({XK_Home, XK_1, XK_Right, XK_0, XK_Right, XK_2, XK_End, XK_3, XK_2});
    pressChord(window(), {XK_Control_L, XK_Return});
    EXPECT_EQ(caption("vysl"), "1");
    EXPECT_TRUE(shown("kohm"));
    EXPECT_EQ(caption("presn"), "2");
    EXPECT_EQ(state().band, 0);
}

// Inside a popup menu's own loop, which holds FLTK's grab: Down and Return choose its first item.
void chooseFirstMenuItem(void* window) {
    if (Fl::grab() == nullptr) {
        Fl::repeat_timeout(0.05, chooseFirstMenuItem, window);
        return;
    }
    sendKeys({XK_Down, XK_Return});
}

TEST_F(KeyboardEntry, TheRightButtonOpensAMenuThatCopiesTheResult) {
    Fl::add_timeout(0.05, chooseFirstMenuItem, &window());
    const PixelRect band = pixelRect(window().form(), "p30");
    clickAt(window(), band.x + band.width / 2, band.y + band.height / 2, 3);
    Fl::remove_timeout(chooseFirstMenuItem, &window());
    EXPECT_EQ(selectionText("clipboard"), "9,99 Ω ±10 %");
    EXPECT_EQ(state().band, 0) << "the click chose no band";
}

}  // namespace
}  // namespace pruhomat::testing
