#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>

#include "clicks.h"
#include "colour_code.h"
#include "form1.h"
#include "headless_session.h"
#include "invariants.h"
#include "recording_port.h"
#include "reference.h"
#include "window_difference.h"

namespace pruhomat::testing {
namespace {

using forms::Key;

// The main window on the shared session; Ctrl+F opens the value dialog, in which `inside` acts
// as the user while it is shown.
class ValueDialog : public ::testing::Test {
protected:
    void enterValue(const std::function<void(HeadlessView&)>& inside) {
        bool shown = false;
        session.whileModal = [&](HeadlessView& dialog) {
            shown = true;
            inside(dialog);
        };
        session.keyPressed(main, forms::noControl, {Key::Character, U'f', true});
        session.whileModal = nullptr;
        EXPECT_TRUE(shown) << "Ctrl+F opened no value dialog";
    }
    void type(HeadlessView& dialog, std::string_view text) {
        session.edited(dialog, dialog.form().indexOf("txtValue"), text);
    }
    void key(HeadlessView& dialog, Key pressed, std::string_view focused = "txtValue") {
        session.keyPressed(dialog, dialog.form().indexOf(focused), {pressed});
    }
    void chooseTolerance(HeadlessView& dialog, int item) {
        session.chosen(dialog, dialog.form().indexOf("cboTolerance"), item);
    }
    // The shown lines of the preview, one text each.
    static std::string preview(HeadlessView& dialog) {
        std::string joined;
        for (const std::string& line : previewLines(dialog.form())) {
            joined += (joined.empty() ? "" : "\r\n") + line;
        }
        return joined;
    }
    // Chooses the colour in a list of the part's bands: the item that starts with its name.
    void chooseBand(HeadlessView& dialog, std::string_view list, std::string_view colour) {
        const auto& items = dialog.form().control(list).items();
        const auto item = std::ranges::find_if(items, [&](const std::string& text) { return text.starts_with(std::string(colour) + " "); });
        ASSERT_NE(item, items.end()) << list << " offers no " << colour;
        session.chosen(dialog, dialog.form().indexOf(list), static_cast<int>(item - items.begin()));
    }
    // The bands the lists show, the count first: "4: hnědá 1, černá 0, ...".
    static std::string listedBands(HeadlessView& dialog) {
        const forms::Form& form = dialog.form();
        std::string listed = std::to_string(3 + form.control("cboBandCount").selectedItem()) + ":";
        for (const char* list : {"cboBand1", "cboBand2", "cboBand3", "cboBand4", "cboBand5", "cboBand6"}) {
            const forms::Control& shown = form.control(list);
            listed += shown.visible() ? " " + shown.items().at(static_cast<std::size_t>(shown.selectedItem())) + "," : "";
        }
        return listed;
    }
    // The list's items from 1 % on: 1, 2, 5 and 10 % as the window's tolerance band.
    static constexpr int onePercentItem = 6;

    HeadlessSession session;
    Form1 window{session, ","};
    HeadlessView main{session, window.form()};
};

// Band entry by hand on a second window: the band count, each band's drawing and palette row,
// then "Výsledek >>".
void clickBands(Form1& clicked, const DrawnResistor& drawn) {
    forms::Form& form = clicked.form();
    const bool fourBands = drawn.count == BandCount::Four;
    forms::click(form, fourBands ? "band4" : "band5");
    const char* columns[] = {"p10", "p20", "p30", "p4p", "ppp"};
    const double values[] = {static_cast<double>(drawn.state.num1), static_cast<double>(drawn.state.num2),
                             drawn.state.num3, drawn.state.num4, static_cast<double>(drawn.state.num5)};
    const PaletteMode modes[] = {PaletteMode::Digit, PaletteMode::Digit,
                                 fourBands ? PaletteMode::Exponent4Band : PaletteMode::Digit,
                                 PaletteMode::Exponent5Band, PaletteMode::Tolerance};
    for (int band = 0; band < 5; ++band) {
        if (band == 3 && fourBands) {
            continue;
        }
        const forms::Rect column = form.rectOnForm(form.indexOf(columns[band]));
        forms::clickAt(form, column.left + column.width / 2, column.top + column.height / 2);
        forms::click(form, "b" + std::to_string(*ColourCode::positionOf(modes[band], values[band])));
    }
    forms::click(form, "prog");
}

// A resistor band entry can make: the digits, the multiplier and the tolerance from the palettes.
DrawnResistor randomResistor(std::mt19937& random) {
    DrawnResistor drawn;
    drawn.count = random() % 2 == 0 ? BandCount::Four : BandCount::Five;
    const auto pick = [&random](PaletteMode mode) {
        while (true) {
            if (const auto entry = ColourCode::paletteEntry(mode, random() % ColourCode::paletteSize)) {
                return entry->value;
            }
        }
    };
    drawn.state.num1 = static_cast<std::uint8_t>(1 + random() % 9);
    drawn.state.num2 = static_cast<std::uint8_t>(pick(PaletteMode::Digit));
    if (drawn.count == BandCount::Four) {
        drawn.state.num3 = pick(PaletteMode::Exponent4Band);
    } else {
        drawn.state.num3 = pick(PaletteMode::Digit);
        drawn.state.num4 = pick(PaletteMode::Exponent5Band);
    }
    drawn.state.num5 = static_cast<std::uint8_t>(pick(PaletteMode::Tolerance));
    return drawn;
}

// The value each resistor shows, typed into the dialog, comes back in the result row with the
// tolerance chosen, as the reference works it out; clicking the bands drawn on another window
// draws the same, one value after another, band counts switching between.
TEST_F(ValueDialog, OkDrawsTheTypedValueAsClickingItsBandsDoes) {
    RecordingPort port;
    Form1 clicked(port, ",");
    std::mt19937 random(7);
    const char* tolerances[] = {"1", "2", "5", "10"};
    for (int step = 0; step < 300; ++step) {
        const DrawnResistor shown = randomResistor(random);
        const reference::Value typed = reference::valueOf(shown.state, shown.count, ",");
        const std::string text = reference::withUnit(typed);
        const int tolerance = static_cast<int>(random() % 4);
        enterValue([&](HeadlessView& dialog) {
            type(dialog, text);
            chooseTolerance(dialog, onePercentItem + tolerance);
            key(dialog, Key::Enter);
        });
        const bool fourBands = window.form().control("band4").value();
        ASSERT_EQ(reference::valueOf(window.state(), fourBands ? BandCount::Four : BandCount::Five, ","), typed)
            << text;
        ASSERT_EQ(window.form().control("vysl").caption(), typed.caption) << text;
        ASSERT_EQ(window.form().control("presn").caption(), tolerances[tolerance]) << text;
        clickBands(clicked, {fourBands ? BandCount::Four : BandCount::Five, window.state()});
        ASSERT_EQ(differenceBetween(window, clicked), "") << "step " << step << ": " << text;
    }
}

// Typed or pasted as a Czech user writes values: the bands and the result row that OK leaves.
TEST_F(ValueDialog, TypedTextDrawsTheseBands) {
    struct Typed {
        std::string text;
        int toleranceItem;  // chosen in the list; -1 leaves the list to the text
        std::vector<std::string> bands;
        std::string result;  // value, unit picture and tolerance
    };
    const std::vector<Typed> table{
        {"4k7", 2, {"p14", "p27", "p32", "pp5"}, "4,7 kohm 5"},
        {"4,75k", 0, {"p14", "p27", "p35", "p41", "pp1"}, "4,75 kohm 1"},
        {"4,7 kΩ ±5 %", -1, {"p14", "p27", "p32", "pp5"}, "4,7 kohm 5"},
        {"0R1", 3, {"p11", "p20", "p3silver", "pp10"}, "0,1 ohm 10"},
        {"99M", 3, {"p19", "p29", "p36", "pp10"}, "99 mohm 10"},
        {"1\u00a0000 ±2 %", -1, {"p11", "p20", "p30", "p41", "pp2"}, "1 kohm 2"},
        {"2\u202f200", 2, {"p12", "p22", "p32", "pp5"}, "2,2 kohm 5"},
        {"470R", 0, {"p14", "p27", "p30", "p40", "pp1"}, "470 ohm 1"},
        {"5,6 MΩ", 3, {"p15", "p26", "p35", "pp10"}, "5,6 mohm 10"},
        {"1M5", 1, {"p11", "p25", "p30", "p44", "pp2"}, "1,5 mohm 2"},
        {"01C", 3, {"p11", "p20", "p33", "pp10"}, "10 kohm 10"},
        {"4K7J", 3, {"p14", "p27", "p32", "pp5"}, "4,7 kohm 5"},
        {"10k 1% 50ppm", 3, {"p11", "p20", "p30", "p42", "pp1"}, "10 kohm 1"},
        // Read as an SMD code with the check box.
        {"@472", 2, {"p14", "p27", "p32", "pp5"}, "4,7 kohm 5"},
    };
    for (const Typed& row : table) {
        enterValue([&](HeadlessView& dialog) {
            const bool asCode = row.text.starts_with('@');
            type(dialog, std::string_view(row.text).substr(asCode ? 1 : 0));
            if (asCode) {
                forms::click(dialog.form(), "chkSmd");
            }
            if (row.toleranceItem >= 0) {
                chooseTolerance(dialog, onePercentItem + row.toleranceItem);
            }
            key(dialog, Key::Enter);
        });
        const forms::Form& form = window.form();
        std::vector<std::string> bands;
        for (const forms::Control& control : form.controls()) {
            const std::string& name = control.name();
            const bool band = name.size() >= 3 && name[0] == 'p' && std::string_view("1234p").find(name[1]) != std::string::npos;
            if (band && name != "p4p" && name != "p4none" && name != "ppp" && form.isShown(control)) {
                bands.push_back(name);
            }
        }
        std::ranges::sort(bands);
        std::vector<std::string> expected = row.bands;
        std::ranges::sort(expected);
        EXPECT_EQ(bands, expected) << row.text;
        std::string unit;
        for (const char* name : {"ohm", "kohm", "mohm"}) {
            unit += form.control(name).visible() ? name : "";
        }
        EXPECT_EQ(form.control("vysl").caption() + " " + unit + " " + form.control("presn").caption(), row.result)
            << row.text;
    }
}

TEST_F(ValueDialog, TheDoneExampleDrawsFourBandsAndTheNextShowingOffersItsText) {
    bool okEnabled = false;
    enterValue([&](HeadlessView& dialog) {
        EXPECT_EQ(dialog.form().looks().caption, "Zadat hodnotu");
        EXPECT_EQ(dialog.form().control("cboTolerance").selectedItem(), onePercentItem + 3) << "10 %, as the window shows";
        type(dialog, "4k7");
        key(dialog, Key::Up, "cboTolerance");
        okEnabled = dialog.form().control("cmdOK").enabled();
        EXPECT_EQ(preview(dialog), "4,7 kΩ ±5 %\r\nžlutá, fialová, červená, zlatá\r\nkód RKM: 4K7J\r\nkódy SMD: 472, "
                                   "4701\r\nřady E3, E6, E12, E24, E192");
        key(dialog, Key::Enter);
    });
    EXPECT_TRUE(okEnabled);
    EXPECT_TRUE(window.form().control("band4").value());
    EXPECT_EQ(window.form().control("vysl").caption(), "4,7");
    EXPECT_TRUE(window.form().control("kohm").visible());
    EXPECT_EQ(window.form().control("presn").caption(), "5");
    for (const char* picture : {"p14", "p27", "p32", "pp5"}) {
        EXPECT_TRUE(window.form().control(picture).visible()) << picture;
    }
    enterValue([&](HeadlessView& dialog) {
        EXPECT_EQ(dialog.form().control("txtValue").caption(), "4k7");
        EXPECT_EQ(dialog.form().control("cboTolerance").selectedItem(), onePercentItem + 2) << "5 %, as the window now shows";
        type(dialog, "4,75k");
        for (int item = onePercentItem + 2; item >= 0; --item) {
            key(dialog, Key::Up, "cboTolerance");
        }
        EXPECT_EQ(dialog.form().control("cboTolerance").selectedItem(), 0) << "Up stops at the first item";
        key(dialog, Key::Escape);
    });
    EXPECT_EQ(window.form().control("vysl").caption(), "4,7") << "Esc changed nothing";
    enterValue([&](HeadlessView& dialog) {
        EXPECT_EQ(dialog.form().control("txtValue").caption(), "4k7") << "what Esc left is not kept";
        session.closeBox(dialog);
    });
}

// A part entered by its colours stays as picked, whatever the usual marking of its value; a
// typed value sets the lists; Obrátit twice gives the part back; OK draws the picked bands,
// and the next showing has them again.
TEST_F(ValueDialog, BandsPickedAreThePartTypedTextSetsTheLists) {
    enterValue([&](HeadlessView& dialog) {
        type(dialog, "0,47 1% 50ppm");
        EXPECT_EQ(listedBands(dialog), "6: žlutá 4, fialová 7, černá 0, růžová ×0,001, hnědá ±1 %, červená 50 ppm/K,");
        type(dialog, "1k");
        session.chosen(dialog, dialog.form().indexOf("cboBandCount"), 1);
        chooseBand(dialog, "cboBand4", "červená");
        EXPECT_EQ(dialog.form().control("txtValue").caption(), "1 kΩ ±2 %");
        EXPECT_EQ(listedBands(dialog), "4: hnědá 1, černá 0, červená ×100, červená ±2 %,");
        EXPECT_EQ(previewLines(dialog.form()).at(2), "obvykle 5 pásků: hnědá, černá, černá, hnědá, červená");
        for (int turn = 0; turn < 2; ++turn) {
            session.keyPressed(dialog, dialog.form().indexOf("cboBand4"), {Key::Character, U'r', true});
            EXPECT_EQ(dialog.form().control("txtValue").caption(), turn == 0 ? "22 Ω ±1 %" : "1 kΩ ±2 %");
        }
        key(dialog, Key::Enter);
    });
    EXPECT_TRUE(window.form().control("band4").value());
    for (const char* picture : {"p11", "p20", "p32", "pp2"}) {
        EXPECT_TRUE(window.form().isShown(window.form().control(picture))) << picture;
    }
    enterValue([&](HeadlessView& dialog) {
        EXPECT_EQ(listedBands(dialog), "4: hnědá 1, černá 0, červená ×100, červená ±2 %,");
        key(dialog, Key::Escape);
    });
}

// Nothing the dialog cannot draw gets to the main window, whichever way the dialog is left.
TEST_F(ValueDialog, AValueThatCannotBeDrawnSaysWhyAndChangesNothing) {
    RecordingPort port;
    Form1 untouched(port, ",");
    for (const char* text : {"abc", "100M", "", "1e3", "4,752 kΩ", "\u22124k7", "0", "1m", "1G", "4k7kk", "4,7 µ",
                             "4k7 ±3 %"}) {
        enterValue([&](HeadlessView& dialog) {
            type(dialog, text);
            EXPECT_FALSE(dialog.form().control("cmdOK").enabled()) << text;
            EXPECT_TRUE(preview(dialog).find("\r\n") == std::string::npos ||
                        preview(dialog).ends_with("\r\nOkno kreslí přesnost 1, 2, 5 a 10 %"))
                << text << ": the reason alone, or after the markings";
            key(dialog, Key::Enter);
            forms::click(dialog.form(), "cmdOK");
            EXPECT_TRUE(session.isOpen(dialog)) << text;
            key(dialog, Key::Escape);
        });
        ASSERT_EQ(differenceBetween(window, untouched), "") << text;
    }
    EXPECT_EQ(session.calls.modalForms.size(), 12u);
}

TEST_F(ValueDialog, OpensFromTheContextMenuAndTheWindowMenu) {
    int shown = 0;
    session.whileModal = [&](HeadlessView& dialog) {
        ++shown;
        EXPECT_EQ(dialog.form().looks().name, "frmValue");
        key(dialog, Key::Escape);
    };
    session.contextMenu(main);
    session.calls.chooseMenuItem(1);
    ASSERT_EQ(session.calls.menus.size(), 1u);
    EXPECT_EQ(session.calls.menus[0], (std::vector<std::string>{"Kopírovat výsledek", "Zadat hodnotu..."}));
    ASSERT_EQ(window.form().windowMenu.size(), 1u);
    EXPECT_EQ(window.form().windowMenu[0].text, "Zadat hodnotu...");
    session.windowMenuChosen(main, 0);
    EXPECT_EQ(shown, 2);
}

}  // namespace
}  // namespace pruhomat::testing
