#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "clicks.h"
#include "form1.h"
#include "recording_port.h"

namespace pruhomat::testing {

// The main window driven as a user would: clicks on controls by name or at points, and
// properties read by name.
class MainWindow : public ::testing::Test {
protected:
    forms::Form& form() { return window.form(); }
    const ResistorState& state() const { return window.state(); }

    void click(std::string_view name) { forms::click(form(), name); }
    void clicks(std::initializer_list<std::string_view> names) {
        for (const auto name : names) {
            click(name);
        }
    }
    // A click on the drawing of a band, whatever colour it shows.
    void clickBand(int band) {
        const char* columns[] = {"p10", "p20", "p30", "p4p", "ppp"};
        const auto [x, y] = centreOf(columns[band - 1]);
        forms::clickAt(form(), x, y);
    }
    void setAutomaticAdvance(bool on) {
        if (form().control("automat").value() != on) {
            click("automat");
        }
    }

    bool shown(std::string_view name) { return form().control(name).visible(); }
    std::string caption(std::string_view name) { return form().control(name).caption(); }

    // The visible ones among the named controls, in the order given.
    std::vector<std::string> visibleOf(std::initializer_list<std::string_view> names);
    std::vector<std::string> visibleArrows();
    std::vector<std::string> visibleUnits();

    // The shown palette rows, top first, as "value name #RRGGBB".
    std::vector<std::string> palette();

    // The result row as the user reads it: "9,99 ohm 10 %", or "" when hidden.
    std::string resultRow();

    // The centre of a control in form coordinates (twips).
    std::pair<int, int> centreOf(std::string_view name);

    RecordingPort port;
    Form1 window{port, ","};
};

inline const std::vector<std::string> digitPalette{
    "0 Černá #000000",  "1 Hnědá #804000",   "2 Červená #FF0000", "3 Oranžová #FF8000", "4 Žlutá #FFFF00",
    "5 Zelená #00C000", "6 Modrá #0000FF",   "7 Fialová #C000C0", "8 Šedá #808080",     "9 Bílá #FFFFFF"};
inline const std::vector<std::string> exponentPalette4Band{
    "0 Černá #000000",  "1 Hnědá #804000", "2 Červená #FF0000", "3 Oranžová #FF8000",  "4 Žlutá #FFFF00",
    "5 Zelená #00C000", "6 Modrá #0000FF", "-1 Zlatá #FFFFC0",  "-2 Stříbrná #FFFFFF"};
inline const std::vector<std::string> exponentPalette5Band{
    "0 Černá #000000", "1 Hnědá #804000",  "2 Červená #FF0000",    "3 Oranžová #FF8000",
    "4 Žlutá #FFFF00", "-1 Zlatá #FFFFC0", "-2 Stříbrná #FFFFFF"};
inline const std::vector<std::string> tolerancePalette{"1 Hnědá #804000", "2 Červená #FF0000", "5 Zlatá #FFFFC0",
                                                       "10 Stříbrná #FFFFFF"};

}  // namespace pruhomat::testing
