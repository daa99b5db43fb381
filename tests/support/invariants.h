#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form1.h"
#include "recording_port.h"

namespace pruhomat::testing {

// The rules that hold after every event on the main window, whatever was clicked. Call check()
// after each event; it reads the changes of that event and then clears them, as a front-end does.
// What the user entered is carried along apart from the window: the current band (a band's
// picture, the palette's keys, the automatic advance past band 5 and over a four-band
// resistor's missing band 4), the band count, the automatic advance and each band's value, the
// row pressed read in the reference palette of the current band. The window's arrows, bands and
// result are judged by these, and so are the texts it copies and the message boxes it shows.
class InvariantChecker {
public:
    // Made before the first event: it watches the window's swatches, pictures, buttons and keys.
    // The port, where given, is the window's, whose copies and message boxes are judged.
    InvariantChecker(Form1& window, std::string decimalSeparator, const RecordingPort* calls = nullptr);

    // Every rule broken now, described; empty when all hold.
    std::vector<std::string> check();
    // The value dialog's OK took the text with the tolerance its list showed, read as an SMD
    // code or not; or the bands picked in its lists, where there are.
    void valueAccepted(std::string_view text, Tolerance listTolerance, bool asCode, std::span<const Colour> picked = {});

private:
    void watch(std::string_view name, void (InvariantChecker::*before)());
    void watchBandPictures();
    void watchKeys();
    void entering(std::size_t row);
    void advancing();
    void stepBand(bool forwards);
    void checkCalls(std::vector<std::string>& failures);
    void fourBandsChosen();
    void fiveBandsChosen();
    void resultFormed();
    void automaticToggled();
    void checkStored(std::vector<std::string>& failures) const;
    void checkRanges(std::vector<std::string>& failures) const;
    void checkArrows(std::vector<std::string>& failures) const;
    void checkPalette(std::vector<std::string>& failures) const;
    void checkDrawing(std::vector<std::string>& failures);
    void checkResult(std::vector<std::string>& failures) const;

    Form1& window_;
    std::string decimalSeparator_;
    const RecordingPort* calls_;
    bool toleranceEntered_ = false;
    std::uint8_t band_ = 0;
    bool fourBands_ = false;
    bool automatic_ = false;
    std::size_t boxesExpected_ = 0;
    std::size_t boxesSeen_ = 0;
    std::size_t copiesSeen_ = 0;
    std::array<double, 5> entered_{9, 9, 9, -2, 10};  // bands 1 to 5 as the window starts: 9,99 Ω ±10 %
    std::vector<std::string> acceptedFailures_;
};

// The value dialog's preview lines that are shown, in order.
std::vector<std::string> previewLines(const forms::Form& dialog);

// The part's bands as the value dialog's lists show them, by the reference's colour names.
std::vector<Colour> listedBands(const forms::Form& dialog);

// The value dialog's rules after each event in it: OK exactly for a text the reference reads as a
// value with a tolerance the window draws and digits its bands hold, the preview's first line
// that value with the tolerance and coefficient, its bands those the reference draws, and its
// series line naming E96 exactly for an E96 value. With bands picked, the text is what they read
// as, and OK and the window's bands follow them.
std::vector<std::string> checkValueDialog(forms::Form& dialog, Tolerance listTolerance,
                                          const std::string& decimalSeparator, bool picked = false);

}  // namespace pruhomat::testing
