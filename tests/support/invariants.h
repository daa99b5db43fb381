#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "form1.h"

namespace pruhomat::testing {

// The rules that hold after every event on the main window, whatever was clicked. Call check()
// after each event; it reads the changes of that event and then clears them, as a front-end does.
// What each band holds is carried along apart from the window: each swatch pressed enters the
// value its row reads in the reference palette of the band the arrow marks.
class InvariantChecker {
public:
    // Made before the first event: it watches the window's swatches and buttons.
    InvariantChecker(Form1& window, std::string decimalSeparator);

    // Every rule broken now, described; empty when all hold.
    std::vector<std::string> check();
    // The value dialog's OK took the text with the tolerance its list showed, read as an SMD
    // code or not.
    void valueAccepted(std::string_view text, Tolerance listTolerance, bool asCode);

private:
    void watch(std::string_view name, void (InvariantChecker::*before)());
    void entering(std::size_t row);
    void fourBandsChosen();
    void fiveBandsChosen();
    void resultFormed();
    void checkStored(std::vector<std::string>& failures) const;
    void checkRanges(std::vector<std::string>& failures) const;
    void checkArrows(std::vector<std::string>& failures) const;
    void checkPalette(std::vector<std::string>& failures) const;
    void checkDrawing(std::vector<std::string>& failures);
    void checkResult(std::vector<std::string>& failures) const;

    Form1& window_;
    std::string decimalSeparator_;
    bool toleranceEntered_ = false;
    std::array<double, 5> entered_{9, 9, 9, -2, 10};  // bands 1 to 5 as the window starts: 9,99 Ω ±10 %
    std::vector<std::string> acceptedFailures_;
};

// The value dialog's rules after each event in it: OK exactly for a text the reference reads as a
// value with a tolerance the window draws and digits its bands hold, and the preview's first
// line that value with the tolerance and coefficient.
std::vector<std::string> checkValueDialog(forms::Form& dialog, Tolerance listTolerance,
                                          const std::string& decimalSeparator);

}  // namespace pruhomat::testing
