#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "clicks.h"
#include "form1.h"
#include "headless_session.h"
#include "recording_port.h"
#include "window_difference.h"

namespace pruhomat::testing {
namespace {

using forms::Key;
using forms::KeyInput;

// The main window on the shared session, driven by keys as a front-end sends them.
class KeyedWindow {
public:
    forms::Form& form() { return window.form(); }

    forms::KeyOutcome press(Key key, char32_t character = 0, bool control = false, bool shift = false) {
        const forms::KeyOutcome outcome = session.keyPressed(view, focused, {key, character, control, shift});
        if (outcome.focus != forms::noControl) {
            focused = outcome.focus;
        }
        return outcome;
    }
    void type(char32_t character) { press(Key::Character, character); }

    // The palette row whose swatch the focus rectangle surrounds, as tall as the row.
    int markedRow() {
        const forms::Rect mark = form().control("Paleta").focusMark();
        for (int row = 0; row < 10; ++row) {
            const forms::Rect swatch = form().control("b" + std::to_string(row)).rect();
            if (mark.top == swatch.top && mark.height == swatch.height && mark.left < swatch.left &&
                mark.left + mark.width > swatch.left + swatch.width) {
                return row;
            }
        }
        return -1;
    }
    int currentBand() {
        for (int band = 1; band <= 5; ++band) {
            if (form().control("sipka" + std::to_string(band)).visible()) {
                return band;
            }
        }
        return 0;
    }

    HeadlessSession session;
    Form1 window{session, ","};
    HeadlessView view{session, window.form()};
    std::size_t focused = window.form().indexOf("Paleta");
};

// The band Right and Left make current, from no band (0) and from bands 1 to 5, with five bands
// and with four.
constexpr int rightFrom[2][6] = {{1, 2, 3, 4, 5, 5}, {1, 2, 3, 5, 5, 5}};
constexpr int leftFrom[2][6] = {{5, 1, 1, 2, 3, 4}, {5, 1, 1, 2, 3, 3}};

int bandAfter(Key key, int band, bool fourBands) {
    return key == Key::Home ? 1 : key == Key::End ? 5 : (key == Key::Right ? rightFrom : leftFrom)[fourBands][band];
}

// The row each key enters, palette by palette: 0 to 9, then G and S; -1 for none.
constexpr int digitRows[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, -1};
constexpr int exponent4BandRows[12] = {0, 1, 2, 3, 4, 5, 6, -1, -1, -1, 7, 8};
constexpr int exponent5BandRows[12] = {0, 1, 2, 3, 4, -1, -1, -1, -1, -1, 5, 6};
constexpr int toleranceRows[12] = {3, 0, 1, -1, -1, 2, -1, -1, -1, -1, 2, 3};

// The row a typed key enters in the palette the window shows, or -1.
int rowNamedBy(forms::Form& form, char32_t typed) {
    const std::string& caption = form.control("Paleta").caption();
    const int* rows = caption == "Paleta - Přesnost" ? toleranceRows
                      : caption == "Paleta - Exponent" ? (form.control("band4").value() ? exponent4BandRows : exponent5BandRows)
                                                      : digitRows;
    const int key = typed == U'g' ? 10 : typed == U's' ? 11 : typed >= U'0' && typed <= U'9' ? int(typed - U'0') : -1;
    return key < 0 ? -1 : rows[key];
}

// Random walks of keys on one window and of the matching clicks on another leave both alike
// after every step: the keys run the handlers the clicks run.
TEST(Keyboard, EveryKeyDoesWhatItsClickDoes) {
    const std::vector<char32_t> typed{U'0', U'1', U'2', U'3', U'4', U'5', U'6', U'7', U'8', U'9',
                                      U'g', U'G', U's', U'S', U'x'};
    const char* columns[] = {"p10", "p20", "p30", "p4p", "ppp"};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        KeyedWindow keyed;
        RecordingPort port;
        Form1 clicked(port, ",");
        for (int step = 0; step < 400; ++step) {
            forms::Form& form = keyed.form();
            std::string event;
            const unsigned choice = random() % 12;
            if (choice < 4) {
                const Key key = std::array{Key::Right, Key::Left, Key::Home, Key::End}[choice];
                const int band = bandAfter(key, keyed.currentBand(), form.control("band4").value());
                const forms::Rect column = clicked.form().rectOnForm(clicked.form().indexOf(columns[band - 1]));
                keyed.press(key);
                forms::clickAt(clicked.form(), column.left + column.width / 2, column.top + column.height / 2);
                event = "band key to " + std::to_string(band);
            } else if (choice < 6) {
                keyed.press(choice == 4 ? Key::Up : Key::Down);
                event = "row key";
            } else if (choice < 8) {
                const int row = keyed.markedRow();
                ASSERT_GE(row, 0) << "seed " << seed << " step " << step << ": no row is marked";
                keyed.press(choice == 6 ? Key::Space : Key::Enter);
                forms::click(clicked.form(), "b" + std::to_string(row));
                event = "press of row " + std::to_string(row);
            } else if (choice < 10) {
                const char32_t character = typed[random() % typed.size()];
                const char32_t lower = character == U'G' ? U'g' : character == U'S' ? U's' : character;
                const int row = rowNamedBy(form, lower);
                keyed.type(character);
                if (row >= 0) {
                    forms::click(clicked.form(), "b" + std::to_string(row));
                }
                event = "typed " + std::to_string(static_cast<int>(character));
            } else {
                const char* name = std::array{"automat", "band4", "band5", "prog"}[random() % 4];
                forms::click(form, name);
                forms::click(clicked.form(), name);
                event = std::string("click on ") + name;
            }
            // The zero rule's box, closed at once as the user closes it.
            for (RecordingPort* calls : {&keyed.session.calls, &port}) {
                while (calls->boxOpen()) {
                    calls->closeMessageBox();
                }
            }
            ASSERT_EQ(differenceBetween(keyed.window, clicked), "") << "seed " << seed << " step " << step << " " << event;
            ASSERT_EQ(keyed.session.calls.messageBoxes.size(), port.messageBoxes.size()) << "seed " << seed;
        }
    }
}

TEST(Keyboard, TheMarkFollowsTheCurrentBandAndGoesRoundTheShownRows) {
    KeyedWindow keyed;
    EXPECT_EQ(keyed.markedRow(), 0);
    keyed.press(Key::Right);
    EXPECT_EQ(keyed.currentBand(), 1);
    EXPECT_EQ(keyed.markedRow(), 9) << "band 1 shows white";
    keyed.press(Key::Down);
    EXPECT_EQ(keyed.markedRow(), 0) << "round the end";
    keyed.press(Key::End);
    EXPECT_EQ(keyed.markedRow(), 3) << "band 5 shows silver, the fourth tolerance";
    keyed.press(Key::Down);
    EXPECT_EQ(keyed.markedRow(), 0) << "only the four shown rows";
    keyed.press(Key::Up);
    EXPECT_EQ(keyed.markedRow(), 3);
    keyed.press(Key::Left);
    EXPECT_EQ(keyed.currentBand(), 4);
    EXPECT_EQ(keyed.markedRow(), 6) << "band 4 shows silver";

    forms::click(keyed.form(), "band4");
    keyed.press(Key::Left);
    EXPECT_EQ(keyed.currentBand(), 5) << "with no current band, Left goes to the last";
    keyed.press(Key::Left);
    EXPECT_EQ(keyed.currentBand(), 3) << "a four-band resistor has no band 4";
    EXPECT_EQ(keyed.markedRow(), 8) << "its silver multiplier";
}

TEST(Keyboard, KeysThePaletteDoesNotOfferDoNothing) {
    KeyedWindow keyed;
    keyed.press(Key::End);
    const ResistorState before = keyed.window.state();
    const int markedBefore = keyed.markedRow();
    for (const char32_t character : {U'3', U'9', U'x'}) {
        EXPECT_TRUE(keyed.press(Key::Character, character).handled) << "taken, so that the system does not beep";
    }
    const ResistorState& after = keyed.window.state();
    EXPECT_TRUE(after.band == before.band && after.num1 == before.num1 && after.num2 == before.num2 &&
                after.num3 == before.num3 && after.num4 == before.num4 && after.num5 == before.num5);
    EXPECT_EQ(keyed.markedRow(), markedBefore);
    keyed.type(U'g');
    EXPECT_EQ(keyed.window.state().num5, 5) << "gold is on offer in the tolerance palette";
    EXPECT_TRUE(keyed.session.calls.messageBoxes.empty());
}

TEST(Keyboard, TabVisitsEachStopOnceAndTheArrowsChooseTheBandCount) {
    KeyedWindow keyed;
    keyed.focused = forms::noControl;
    std::vector<std::string> visited;
    for (int stop = 0; stop < 7; ++stop) {
        keyed.press(Key::Tab);
        visited.push_back(keyed.form().controls()[keyed.focused].name());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Paleta", "automat", "band5", "prog", "Info_pr", "Exit_pr", "Paleta"}));
    keyed.press(Key::Tab, 0, false, true);
    EXPECT_EQ(keyed.form().controls()[keyed.focused].name(), "Exit_pr");

    keyed.focused = keyed.form().indexOf("band5");
    keyed.press(Key::Down);
    EXPECT_TRUE(keyed.form().control("band4").value());
    EXPECT_EQ(keyed.window.state().num3, -2) << "the handler of the option ran";
    EXPECT_EQ(keyed.form().controls()[keyed.focused].name(), "band4");
    keyed.press(Key::Tab, 0, false, true);
    keyed.press(Key::Tab);
    EXPECT_EQ(keyed.form().controls()[keyed.focused].name(), "band4") << "the group's stop is its selected option";
}

TEST(Keyboard, CopiesTheResultAsDrawnWithoutChangingTheWindow) {
    KeyedWindow keyed;
    keyed.press(Key::Character, U'c', true);
    forms::click(keyed.form(), "band4");
    keyed.press(Key::Character, U'c', true);
    EXPECT_EQ(keyed.window.state().num3, -2) << "copying repairs nothing";
    for (const char32_t character : {U'4', U'7', U'2'}) {
        keyed.press(Key::Right);
        keyed.type(character);
    }
    keyed.press(Key::End);
    keyed.type(U'g');
    keyed.form().clearChanges();
    keyed.press(Key::Menu);
    keyed.session.calls.chooseMenuItem(0);
    EXPECT_TRUE(keyed.form().changedControls().empty());
    EXPECT_EQ(keyed.session.calls.copiedTexts,
              (std::vector<std::string>{"9,99 Ω ±10 %", "0,99 Ω ±10 %", "4,7 kΩ ±5 %"}));
    ASSERT_EQ(keyed.session.calls.menus.size(), 1u);
    EXPECT_EQ(keyed.session.calls.menus[0].front(), "Kopírovat výsledek");

    keyed.focused = keyed.form().indexOf("Exit_pr");
    forms::click(keyed.form(), "p19");
    keyed.press(Key::Enter, 0, true);
    EXPECT_TRUE(keyed.form().control("vysl").visible()) << "Ctrl+Enter presses Výsledek >> from anywhere";
    EXPECT_TRUE(keyed.session.calls.unloadedForms.empty());
}

TEST(Keyboard, TheAboutDialogTabsToItsLinksAndOpensThem) {
    KeyedWindow keyed;
    std::vector<std::string> visited;
    keyed.session.whileModal = [&](HeadlessView& dialog) {
        forms::Form& about = dialog.form();
        std::size_t focused = about.indexOf("cmdOK");
        const auto press = [&](Key key) {
            const auto outcome = keyed.session.keyPressed(dialog, focused, {key});
            focused = outcome.focus == forms::noControl ? focused : outcome.focus;
            return outcome.handled;
        };
        for (int stop = 0; stop < 3; ++stop) {
            press(Key::Tab);
            visited.push_back(about.controls()[focused].name());
        }
        press(Key::Tab);
        press(Key::Space);
        press(Key::Tab);
        press(Key::Enter);
        EXPECT_TRUE(keyed.session.isOpen(dialog)) << "a link leaves the dialog open";
        press(Key::Tab);
        EXPECT_TRUE(press(Key::Enter));
        EXPECT_FALSE(keyed.session.isOpen(dialog));
    };
    forms::click(keyed.form(), "Info_pr");
    EXPECT_EQ(visited, (std::vector<std::string>{"Frame2", "Frame3", "cmdOK"}));
    ASSERT_EQ(keyed.session.calls.links.size(), 2u);
    EXPECT_EQ(keyed.session.calls.links[0].target, "http://zelvotron.example/www/zelvotron/Index.htm");
    EXPECT_EQ(keyed.session.calls.links[1].target, "mailto:autor@zelvotron.example");
}

}  // namespace
}  // namespace pruhomat::testing
