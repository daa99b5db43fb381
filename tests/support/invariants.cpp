#include "invariants.h"

#include <array>
#include <string_view>
#include <variant>

#include "reference.h"
#include "reference_reading.h"

namespace pruhomat::testing {
namespace {

bool isOneOf(double value, std::initializer_list<double> allowed) {
    for (const double candidate : allowed) {
        if (value == candidate) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> visibleNames(const forms::Form& form, const std::vector<std::string>& names) {
    std::vector<std::string> visible;
    for (const auto& name : names) {
        if (form.control(name).visible()) {
            visible.push_back(name);
        }
    }
    return visible;
}

std::vector<std::string> numbered(const std::string& prefix, int first, int last) {
    std::vector<std::string> names;
    for (int number = first; number <= last; ++number) {
        names.push_back(prefix + std::to_string(number));
    }
    return names;
}

BandCount bandCountOf(const forms::Form& form) {
    return form.control("band4").value() ? BandCount::Four : BandCount::Five;
}

int bandMarked(const forms::Form& form) {
    for (int band = 1; band <= 5; ++band) {
        if (form.control("sipka" + std::to_string(band)).visible()) {
            return band;
        }
    }
    return 0;
}

// The window's bands: 1, 2, 5 or 10 %, two digits and a multiplier from silver to blue, or
// three and a multiplier from silver to yellow.
bool windowDraws(const TypedValue& value, Tolerance tolerance) {
    const bool windowTolerance = isOneOf(tolerance.hundredths, {100, 200, 500, 1000});
    const int digits = value.digits();
    const bool four = digits <= 2 && value.exponent - (2 - digits) >= -2 && value.exponent - (2 - digits) <= 6;
    const bool five = digits <= 3 && value.exponent - (3 - digits) >= -2 && value.exponent - (3 - digits) <= 4;
    return windowTolerance && (four || five);
}

std::array<double, 5> heldBy(const ResistorState& state) {
    return {double(state.num1), double(state.num2), state.num3, state.num4, double(state.num5)};
}

}  // namespace

InvariantChecker::InvariantChecker(Form1& window, std::string decimalSeparator)
    : window_(window), decimalSeparator_(std::move(decimalSeparator)) {
    for (std::size_t row = 0; row < 10; ++row) {
        forms::Control& swatch = window_.form().control("b" + std::to_string(row));
        swatch.onClick = [this, row, handler = swatch.onClick] {
            entering(row);
            handler();
        };
    }
    watch("band4", &InvariantChecker::fourBandsChosen);
    watch("band5", &InvariantChecker::fiveBandsChosen);
    watch("prog", &InvariantChecker::resultFormed);
}

void InvariantChecker::watch(std::string_view name, void (InvariantChecker::*before)()) {
    forms::Control& control = window_.form().control(name);
    control.onClick = [this, before, handler = control.onClick] {
        (this->*before)();
        handler();
    };
}

// Black in band 1 is refused; a row the band's palette lacks enters nothing.
void InvariantChecker::entering(std::size_t row) {
    const forms::Form& form = window_.form();
    const int band = bandMarked(form);
    const bool four = bandCountOf(form) == BandCount::Four;
    const PaletteMode mode = band == 5                ? PaletteMode::Tolerance
                             : band == 4              ? PaletteMode::Exponent5Band
                             : band == 3 && four      ? PaletteMode::Exponent4Band
                                                      : PaletteMode::Digit;
    const std::string& entry = reference::palette(mode)[row];
    if (band != 0 && !(band == 1 && row == 0) && !entry.empty()) {
        const std::size_t valueStart = entry.find(' ') + 1;
        entered_[band - 1] = std::stod(entry.substr(valueStart, entry.find(' ', valueStart) - valueStart));
    }
    // Past the last band the automatic advance shows the result.
    if (band == 5 && form.control("automat").value()) {
        resultFormed();
    }
}

// Grey, white and violet are no four-band multipliers: the third band turns silver.
void InvariantChecker::fourBandsChosen() {
    if (entered_[2] >= 7) {
        entered_[2] = -2;
    }
}

void InvariantChecker::fiveBandsChosen() { entered_[3] = -2; }

// A silver third band of five reads as white from the result on.
void InvariantChecker::resultFormed() {
    if (bandCountOf(window_.form()) == BandCount::Five && entered_[2] == -2) {
        entered_[2] = 9;
    }
}

void InvariantChecker::valueAccepted(std::string_view text, Tolerance listTolerance, bool asCode) {
    const ValueReading reading = reference::readValue(text);
    const std::optional<TypedValue> value = asCode && reading.asCode ? reading.asCode : reading.value;
    const forms::Form& form = window_.form();
    const Tolerance tolerance = reading.tolerance.value_or(listTolerance);
    if (!value || !windowDraws(*value, tolerance)) {
        acceptedFailures_.push_back("OK took \"" + std::string(text) + "\", which the window cannot draw");
        return;
    }
    const reference::Value typed = reference::valueOf(value->significant, value->exponent, decimalSeparator_);
    const ResistorState& stored = window_.state();
    if (reference::valueOf(stored, bandCountOf(form), decimalSeparator_) != typed ||
        stored.num5 * 100u != tolerance.hundredths || form.control("vysl").caption() != typed.caption ||
        form.control("presn").caption() != std::to_string(stored.num5)) {
        acceptedFailures_.push_back("OK drew \"" + form.control("vysl").caption() + "\" for \"" + std::string(text) + "\"");
    }
    entered_ = heldBy(stored);
}

std::vector<std::string> InvariantChecker::check() {
    std::vector<std::string> failures;
    failures.swap(acceptedFailures_);
    checkStored(failures);
    checkRanges(failures);
    checkArrows(failures);
    checkPalette(failures);
    checkDrawing(failures);
    checkResult(failures);
    window_.form().clearChanges();
    return failures;
}

void InvariantChecker::checkStored(std::vector<std::string>& failures) const {
    const std::array<double, 5> held = heldBy(window_.state());
    for (std::size_t band = 0; band < held.size(); ++band) {
        if (held[band] != entered_[band]) {
            failures.push_back("band " + std::to_string(band + 1) + " holds " + std::to_string(held[band]) +
                               ", entered " + std::to_string(entered_[band]));
        }
    }
}

void InvariantChecker::checkRanges(std::vector<std::string>& failures) const {
    const ResistorState& state = window_.state();
    if (state.band > 5) {
        failures.push_back("band " + std::to_string(state.band));
    }
    if (state.num1 < 1 || state.num1 > 9) {
        failures.push_back("num1 " + std::to_string(state.num1));
    }
    if (state.num2 > 9) {
        failures.push_back("num2 " + std::to_string(state.num2));
    }
    if (!isOneOf(state.num3, {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9})) {
        failures.push_back("num3 " + std::to_string(state.num3));
    }
    if (!isOneOf(state.num4, {-2, -1, 0, 1, 2, 3, 4})) {
        failures.push_back("num4 " + std::to_string(state.num4));
    }
    if (!isOneOf(state.num5, {1, 2, 5, 10})) {
        failures.push_back("num5 " + std::to_string(state.num5));
    }
}

void InvariantChecker::checkArrows(std::vector<std::string>& failures) const {
    const auto visible = visibleNames(window_.form(), numbered("sipka", 1, 5));
    const std::uint8_t band = window_.state().band;
    const std::vector<std::string> expected =
        band == 0 ? std::vector<std::string>{} : std::vector<std::string>{"sipka" + std::to_string(band)};
    if (visible != expected) {
        failures.push_back("arrows do not mark band " + std::to_string(band));
    }
}

void InvariantChecker::checkPalette(std::vector<std::string>& failures) const {
    const forms::Form& form = window_.form();
    const std::string& caption = form.control("Paleta").caption();
    const std::uint8_t band = window_.state().band;
    const BandCount count = bandCountOf(form);

    std::vector<PaletteMode> modes;
    if (caption == "Paleta") {
        modes = {PaletteMode::Digit};
    } else if (caption == "Paleta - Exponent") {
        modes = {PaletteMode::Exponent4Band, PaletteMode::Exponent5Band};
    } else if (caption == "Paleta - Přesnost") {
        modes = {PaletteMode::Tolerance};
    } else {
        failures.push_back("palette caption " + caption);
        return;
    }
    if (band != 0) {
        const PaletteMode bandMode = band == 5                                  ? PaletteMode::Tolerance
                                     : band == 4                                ? PaletteMode::Exponent5Band
                                     : band == 3 && count == BandCount::Four    ? PaletteMode::Exponent4Band
                                                                                : PaletteMode::Digit;
        if (std::find(modes.begin(), modes.end(), bandMode) == modes.end()) {
            failures.push_back("caption " + caption + " does not fit band " + std::to_string(band));
            return;
        }
        modes = {bandMode};
    }

    const auto shows = [&form](PaletteMode mode) {
        const reference::Palette& expected = reference::palette(mode);
        for (std::size_t row = 0; row < expected.size(); ++row) {
            const auto& swatch = form.control("b" + std::to_string(row));
            const auto& name = form.control("Label" + std::to_string(row + 1));
            const auto& value = form.control("Label" + std::to_string(row + 11));
            const bool shown = !expected[row].empty();
            if (swatch.visible() != shown || name.visible() != shown || value.visible() != shown) {
                return false;
            }
            const Rgb* colour = std::get_if<Rgb>(&swatch.background());
            if (shown && (colour == nullptr || name.caption() + " " + value.caption() + " " + reference::hex(*colour) !=
                                                   expected[row])) {
                return false;
            }
        }
        return form.control("Label14").left() == (mode == PaletteMode::Tolerance ? 150 : 240);
    };
    if (std::none_of(modes.begin(), modes.end(), shows)) {
        failures.push_back("the palette shown is not the one captioned " + caption);
    }
}

void InvariantChecker::checkDrawing(std::vector<std::string>& failures) {
    const forms::Form& form = window_.form();
    const ResistorState& state = window_.state();

    const auto expectOnly = [&](const std::vector<std::string>& stack, const std::vector<std::string>& allowed,
                                const char* what) {
        const auto visible = visibleNames(form, stack);
        if (visible.size() != 1 || std::find(allowed.begin(), allowed.end(), visible.front()) == allowed.end()) {
            failures.push_back(std::string(what) + " drawn unlike its value");
        }
    };

    expectOnly(numbered("p1", 0, 9), {"p1" + std::to_string(state.num1)}, "band 1");
    expectOnly(numbered("p2", 0, 9), {"p2" + std::to_string(state.num2)}, "band 2");

    auto stack3 = numbered("p3", 0, 9);
    stack3.insert(stack3.end(), {"p3gold", "p3silver"});
    if (state.num3 == -1) {
        expectOnly(stack3, {"p3gold"}, "band 3");
    } else if (state.num3 == -2) {
        expectOnly(stack3, {"p3silver"}, "band 3");
    } else {
        // A silver third band reads as white once a result has been formed from it.
        const std::string digit = "p3" + std::to_string(static_cast<int>(state.num3));
        expectOnly(stack3, state.num3 == 9 ? std::vector<std::string>{digit, "p3silver"} : std::vector<std::string>{digit},
                   "band 3");
    }

    auto stack4 = numbered("p4", 0, 4);
    stack4.insert(stack4.end(), {"p4gold", "p4silver"});
    const auto visible4 = visibleNames(form, stack4);
    if (bandCountOf(form) == BandCount::Four) {
        if (!visible4.empty() || !form.control("p4none").visible() || form.control("p4p").visible()) {
            failures.push_back("band 4 of a four-band resistor is not empty");
        }
    } else if (form.control("p4none").visible() || !form.control("p4p").visible() || visible4.size() > 1) {
        failures.push_back("band 4 of a five-band resistor is not drawn");
    } else {
        const std::string expected = state.num4 == -1   ? "p4gold"
                                     : state.num4 == -2 ? "p4silver"
                                                        : "p4" + std::to_string(static_cast<int>(state.num4));
        if (visible4.empty() ? state.num4 != -2 : visible4.front() != expected) {
            failures.push_back("band 4 drawn unlike its value");
        }
    }

    const std::vector<std::string> stack5{"pp1", "pp2", "pp5", "pp10"};
    const auto visible5 = visibleNames(form, stack5);
    if (visible5.size() == 1) {
        toleranceEntered_ = true;
    }
    if (toleranceEntered_ || visible5.size() != stack5.size()) {
        expectOnly(stack5, {"pp" + std::to_string(state.num5)}, "band 5");
    } else if (state.num5 != 10) {
        failures.push_back("the untouched tolerance band is not 10 %");
    }
}

void InvariantChecker::checkResult(std::vector<std::string>& failures) const {
    const forms::Form& form = window_.form();
    bool rowChanged = false;
    for (const char* name : {"vysl", "presn", "ohm", "kohm", "mohm", "Label21"}) {
        rowChanged = rowChanged || form.changedProperties(form.indexOf(name)) != 0;
    }
    if (!rowChanged || !form.control("vysl").visible()) {
        return;
    }
    const reference::Value expected = reference::valueOf(window_.state(), bandCountOf(form), decimalSeparator_);
    const char* unitNames[] = {"ohm", "kohm", "mohm"};
    std::vector<std::string> units;
    for (const char* name : unitNames) {
        if (form.control(name).visible()) {
            units.emplace_back(name);
        }
    }
    if (form.control("vysl").caption() != expected.caption ||
        form.control("presn").caption() != std::to_string(window_.state().num5) || !form.control("presn").visible() ||
        !form.control("Label21").visible() ||
        units != std::vector<std::string>{unitNames[static_cast<std::size_t>(expected.unit)]}) {
        failures.push_back("result row " + form.control("vysl").caption() + " is not " + expected.caption);
    }
}

}  // namespace pruhomat::testing

namespace pruhomat::testing {

std::vector<std::string> checkValueDialog(forms::Form& dialog, Tolerance listTolerance,
                                          const std::string& decimalSeparator) {
    std::vector<std::string> failures;
    const std::string& text = dialog.control("txtValue").caption();
    const ValueReading reading = reference::readValue(text);
    const bool asCode = dialog.control("chkSmd").value() && reading.asCode;
    const std::optional<TypedValue> value = asCode ? reading.asCode : reading.value;
    const Tolerance tolerance = reading.tolerance.value_or(listTolerance);
    const bool drawable = value && windowDraws(*value, tolerance);
    if (dialog.control("cmdOK").enabled() != drawable) {
        failures.push_back(std::string("OK is ") + (drawable ? "greyed" : "offered") + " for \"" + text + "\"");
    }
    if (dialog.control("chkSmd").enabled() != reading.asCode.has_value()) {
        failures.push_back("the SMD code box does not say whether \"" + text + "\" reads as a code");
    }
    if (value) {
        const char* units[] = {" Ω", " kΩ", " MΩ"};
        const reference::Value shown = reference::valueOf(value->significant, value->exponent, decimalSeparator);
        const std::string expected = shown.caption + units[static_cast<int>(shown.unit)] + " ±" +
                                     reference::percentText(tolerance.hundredths, decimalSeparator) + " %" +
                                     (reading.coefficient ? " " + std::to_string(*reading.coefficient) + " ppm/K" : "");
        if (dialog.control("lblPreview1").caption() != expected) {
            failures.push_back("the preview of \"" + text + "\" is not " + expected);
        }
    }
    dialog.clearChanges();
    return failures;
}

}  // namespace pruhomat::testing
