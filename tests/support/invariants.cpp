#include "invariants.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "frm_value.h"
#include "reference.h"
#include "reference_markings.h"
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

// The bands the window draws for a value, worked out apart from the program: two digits and a
// multiplier from silver to blue, or three and one from silver to yellow; five where three
// digits or 1 % or 2 % ask for it and five can, else four. Band 4 of four is left as it was.
struct DrawnBands {
    bool four = false;
    std::array<double, 5> values{};
};

std::optional<DrawnBands> windowBands(const TypedValue& value, Tolerance tolerance) {
    if (!isOneOf(tolerance.hundredths, {100, 200, 500, 1000})) {
        return std::nullopt;
    }
    const int digits = static_cast<int>(std::to_string(value.significant).size());
    const auto inDigits = [&](int count) -> std::optional<DrawnBands> {
        std::uint64_t scaled = value.significant;
        for (int digit = digits; digit < count; ++digit) {
            scaled *= 10;
        }
        const int exponent = value.exponent - (count - digits);
        if (digits > count || exponent < -2 || exponent > (count == 2 ? 6 : 4)) {
            return std::nullopt;
        }
        const double percent = tolerance.hundredths / 100.0;
        return count == 2 ? DrawnBands{true, {double(scaled / 10), double(scaled % 10), double(exponent), 0, percent}}
                          : DrawnBands{false, {double(scaled / 100), double(scaled / 10 % 10), double(scaled % 10),
                                               double(exponent), percent}};
    };
    const bool preferFive = digits == 3 || tolerance.hundredths <= 200;
    auto preferred = inDigits(preferFive ? 3 : 2);
    return preferred ? preferred : inDigits(preferFive ? 2 : 3);
}

// The window's drawing of picked bands as they are: four, or the first five of five or six,
// with a tolerance of 1, 2, 5 or 10 % and a multiplier of the band count's palette.
std::optional<DrawnBands> pickedWindowBands(std::span<const Colour> bands) {
    const auto decoded = reference::decodeBands(bands);
    const bool four = bands.size() == 4;
    if (!decoded || bands.size() < 4 || !isOneOf(decoded->hundredths, {100, 200, 500, 1000}) ||
        decoded->exponent < -2 || decoded->exponent > (four ? 6 : 4)) {
        return std::nullopt;
    }
    DrawnBands drawn{four, {}};
    for (std::size_t digit = 0; digit < decoded->digits.size(); ++digit) {
        drawn.values[digit] = decoded->digits[digit] - '0';
    }
    drawn.values[decoded->digits.size()] = decoded->exponent;
    drawn.values[4] = decoded->hundredths / 100.0;
    return drawn;
}

// The window's band colours as the preview names them: digits, the multiplier, the tolerance.
std::string bandColours(const DrawnBands& bands) {
    const std::size_t digits = bands.four ? 2 : 3;
    std::string text;
    for (std::size_t band = 0; band < digits; ++band) {
        text += reference::colourName(PaletteMode::Digit, bands.values[band]) + ", ";
    }
    const PaletteMode multiplier = bands.four ? PaletteMode::Exponent4Band : PaletteMode::Exponent5Band;
    return text + reference::colourName(multiplier, bands.values[digits]) + ", " +
           reference::colourName(PaletteMode::Tolerance, bands.values[4]);
}

std::array<double, 5> heldBy(const ResistorState& state) {
    return {double(state.num1), double(state.num2), state.num3, state.num4, double(state.num5)};
}

// A value whose three digits are an E96 entry is named in a series line with E96; one in no
// series has its nearest E24 and E96 values.
void checkSeriesLine(const forms::Form& dialog, const TypedValue& value, std::vector<std::string>& failures) {
    const std::vector<std::string> lines = previewLines(dialog);
    std::string digits = std::to_string(value.significant);
    digits.resize(3, '0');
    const bool inE96 = value.significant < 1000 && std::ranges::count(reference::e96, std::stoi(digits)) == 1;
    const auto series = std::ranges::find_if(lines, [](const std::string& line) { return line.starts_with("řad"); });
    const auto has = [&lines](std::string_view start) {
        return std::ranges::any_of(lines, [start](const std::string& line) { return line.starts_with(start); });
    };
    const bool named = series != lines.end() && series->find("E96") != std::string::npos;
    if (named != inE96 || (series == lines.end() && !(has("nejbližší E24:") && has("nejbližší E96:")))) {
        failures.push_back("the series of " + std::to_string(value.significant) + "e" + std::to_string(value.exponent) +
                           " are not told");
    }
}

}  // namespace

InvariantChecker::InvariantChecker(Form1& window, std::string decimalSeparator, const RecordingPort* calls)
    : window_(window), decimalSeparator_(std::move(decimalSeparator)), calls_(calls) {
    for (std::size_t row = 0; row < 10; ++row) {
        forms::Control& swatch = window_.form().control("b" + std::to_string(row));
        swatch.onClick = [this, row, handler = swatch.onClick] {
            entering(row);
            handler();
            advancing();
        };
    }
    watch("band4", &InvariantChecker::fourBandsChosen);
    watch("band5", &InvariantChecker::fiveBandsChosen);
    watch("prog", &InvariantChecker::resultFormed);
    watch("automat", &InvariantChecker::automaticToggled);
    watchBandPictures();
    watchKeys();
}

void InvariantChecker::watch(std::string_view name, void (InvariantChecker::*before)()) {
    forms::Control& control = window_.form().control(name);
    control.onClick = [this, before, handler = control.onClick] {
        (this->*before)();
        if (handler) {
            handler();
        }
    };
}

// A click on any picture of a band's stack makes that band current: p1.. to p4.., pp.. for 5.
void InvariantChecker::watchBandPictures() {
    forms::Form& form = window_.form();
    for (std::size_t index = 0; index < form.controls().size(); ++index) {
        forms::Control& control = form.at(index);
        const std::string& name = control.name();
        const bool bandPicture = name.size() >= 3 && name[0] == 'p' && (name[1] == 'p' || (name[1] >= '1' && name[1] <= '4'));
        if (bandPicture && control.onClick) {
            const auto band = static_cast<std::uint8_t>(name[1] == 'p' ? 5 : name[1] - '0');
            control.onClick = [this, band, handler = control.onClick] {
                band_ = band;
                handler();
            };
        }
    }
}

// On the palette, Left and Right step through the bands, band 4 left out of four, and Home and
// End go to the first and the last.
void InvariantChecker::watchKeys() {
    forms::Form& form = window_.form();
    const std::size_t palette = form.indexOf("Paleta");
    form.onKey = [this, palette, handler = form.onKey](std::size_t focused, const forms::KeyInput& key) {
        if (!key.control && focused == palette) {
            if (key.key == forms::Key::Right || key.key == forms::Key::Left) {
                stepBand(key.key == forms::Key::Right);
            } else if (key.key == forms::Key::Home || key.key == forms::Key::End) {
                band_ = key.key == forms::Key::Home ? 1 : 5;
            }
        }
        return handler(focused, key);
    };
}

void InvariantChecker::stepBand(bool forwards) {
    if (band_ == 0) {
        band_ = forwards ? 1 : 5;
        return;
    }
    int band = std::clamp(band_ + (forwards ? 1 : -1), 1, 5);
    if (fourBands_ && band == 4) {
        band += forwards ? 1 : -1;
    }
    band_ = static_cast<std::uint8_t>(band);
}

// Black in band 1 is refused with a message box; a row the band's palette lacks enters nothing.
void InvariantChecker::entering(std::size_t row) {
    const PaletteMode mode = band_ == 5                      ? PaletteMode::Tolerance
                             : band_ == 4                    ? PaletteMode::Exponent5Band
                             : band_ == 3 && fourBands_      ? PaletteMode::Exponent4Band
                                                             : PaletteMode::Digit;
    const std::string& entry = reference::palette(mode)[row];
    if (band_ == 1 && row == 0) {
        ++boxesExpected_;
        band_ = automatic_ ? 0 : band_;
    } else if (band_ != 0 && !entry.empty()) {
        const std::size_t valueStart = entry.find(' ') + 1;
        entered_[band_ - 1] = std::stod(entry.substr(valueStart, entry.find(' ', valueStart) - valueStart));
    }
}

// With the automatic advance the next band becomes current, past band 3 of four to band 5, and
// past band 5 the result shows and band 1 is current again.
void InvariantChecker::advancing() {
    if (!automatic_) {
        return;
    }
    band_ = static_cast<std::uint8_t>(band_ + (fourBands_ && band_ == 3 ? 2 : 1));
    if (band_ == 6) {
        resultFormed();
        band_ = 1;
    }
}

void InvariantChecker::automaticToggled() { automatic_ = !automatic_; }

// Grey, white and violet are no four-band multipliers: the third band turns silver.
void InvariantChecker::fourBandsChosen() {
    if (entered_[2] >= 7) {
        entered_[2] = -2;
    }
    fourBands_ = true;
    band_ = 0;
}

void InvariantChecker::fiveBandsChosen() {
    entered_[3] = -2;
    fourBands_ = false;
    band_ = 0;
}

// A silver third band of five reads as white from the result on; no band is current.
void InvariantChecker::resultFormed() {
    if (!fourBands_ && entered_[2] == -2) {
        entered_[2] = 9;
    }
    band_ = 0;
}

void InvariantChecker::valueAccepted(std::string_view text, Tolerance listTolerance, bool asCode, std::span<const Colour> picked) {
    const ValueReading reading = reference::readValue(text);
    const std::optional<TypedValue> value = asCode && reading.asCode ? reading.asCode : reading.value;
    const forms::Form& form = window_.form();
    const Tolerance tolerance = reading.tolerance.value_or(listTolerance);
    const auto bands = !picked.empty() ? pickedWindowBands(picked) : value ? windowBands(*value, tolerance) : std::nullopt;
    if (!bands) {
        acceptedFailures_.push_back("OK took \"" + std::string(text) + "\", which the window cannot draw");
        return;
    }
    const reference::Value typed = reference::valueOf(value->significant, value->exponent, decimalSeparator_);
    if (form.control("vysl").caption() != typed.caption || form.control("presn").caption() != std::to_string(tolerance.hundredths / 100)) {
        acceptedFailures_.push_back("OK drew \"" + form.control("vysl").caption() + "\" for \"" + std::string(text) + "\"");
    }
    // The option button's click was watched; the bands are entered as the reference draws them.
    for (std::size_t band = 0; band < entered_.size(); ++band) {
        entered_[band] = band == 3 && bands->four ? entered_[band] : bands->values[band];
    }
    band_ = 0;
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
    checkCalls(failures);
    window_.form().clearChanges();
    return failures;
}

// Every message box is the zero rule's, shown once for each black pressed on band 1, and every
// copied text is the entered resistor's value with its tolerance.
void InvariantChecker::checkCalls(std::vector<std::string>& failures) {
    if (calls_ == nullptr) {
        return;
    }
    for (; boxesSeen_ < calls_->messageBoxes.size(); ++boxesSeen_) {
        const MessageBoxCall& box = calls_->messageBoxes[boxesSeen_];
        if (box.prompt != "Hodnotu '0' nelze v prvním poli použít..." || box.title != "O Programu...") {
            failures.push_back("a message box said \"" + box.prompt + "\"");
        }
    }
    if (boxesSeen_ != boxesExpected_) {
        failures.push_back(std::to_string(boxesSeen_) + " message boxes for " + std::to_string(boxesExpected_) +
                           " blacks on band 1");
    }
    ResistorState entered;
    entered.num1 = static_cast<std::uint8_t>(entered_[0]);
    entered.num2 = static_cast<std::uint8_t>(entered_[1]);
    entered.num3 = entered_[2];
    entered.num4 = entered_[3];
    entered.num5 = static_cast<std::uint8_t>(entered_[4]);
    const reference::Value value = reference::valueOf(entered, fourBands_ ? BandCount::Four : BandCount::Five, decimalSeparator_);
    const std::string expected = reference::withUnit(value) + " ±" + std::to_string(entered.num5) + " %";
    for (; copiesSeen_ < calls_->copiedTexts.size(); ++copiesSeen_) {
        if (calls_->copiedTexts[copiesSeen_] != expected) {
            failures.push_back("copied \"" + calls_->copiedTexts[copiesSeen_] + "\", entered " + expected);
        }
    }
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
    const std::uint8_t band = band_;
    if (window_.state().band != band_ || (bandCountOf(window_.form()) == BandCount::Four) != fourBands_) {
        failures.push_back("band " + std::to_string(window_.state().band) + " is current, entered " + std::to_string(band_) +
                           (fourBands_ ? " of four" : " of five"));
    }
    const std::vector<std::string> expected =
        band == 0 ? std::vector<std::string>{} : std::vector<std::string>{"sipka" + std::to_string(band)};
    if (visible != expected) {
        failures.push_back("arrows do not mark band " + std::to_string(band));
    }
}

void InvariantChecker::checkPalette(std::vector<std::string>& failures) const {
    const forms::Form& form = window_.form();
    const std::string& caption = form.control("Paleta").caption();
    const std::uint8_t band = band_;
    const BandCount count = fourBands_ ? BandCount::Four : BandCount::Five;

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

std::vector<std::string> previewLines(const forms::Form& dialog) {
    std::vector<std::string> lines;
    for (std::size_t line = 1; line <= FrmValue::previewLines; ++line) {
        const forms::Control& shown = dialog.control("lblPreview" + std::to_string(line));
        if (shown.visible()) {
            lines.push_back(shown.caption());
        }
    }
    return lines;
}

std::vector<Colour> listedBands(const forms::Form& dialog) {
    std::vector<Colour> bands;
    for (int band = 1; band <= 6; ++band) {
        const forms::Control& list = dialog.control("cboBand" + std::to_string(band));
        if (list.visible() && list.selectedItem() >= 0) {
            const std::string& item = list.items().at(static_cast<std::size_t>(list.selectedItem()));
            if (const auto colour = reference::colourNamed(item.substr(0, item.find(' ')))) {
                bands.push_back(*colour);
            }
        }
    }
    return bands;
}

std::vector<std::string> checkValueDialog(forms::Form& dialog, Tolerance listTolerance,
                                          const std::string& decimalSeparator, bool picked) {
    std::vector<std::string> failures;
    const std::string& text = dialog.control("txtValue").caption();
    const ValueReading reading = reference::readValue(text);
    const bool asCode = dialog.control("chkSmd").value() && reading.asCode;
    const std::optional<TypedValue> value = asCode ? reading.asCode : reading.value;
    const Tolerance tolerance = reading.tolerance.value_or(listTolerance);
    const std::vector<Colour> pickedBands = picked ? listedBands(dialog) : std::vector<Colour>{};
    const auto bands = picked ? pickedWindowBands(pickedBands) : value ? windowBands(*value, tolerance) : std::nullopt;
    const auto decoded = reference::decodeBands(pickedBands);
    if (picked && (!decoded || (value && (reading.tolerance != Tolerance{decoded->hundredths} || reading.coefficient != decoded->ppm)))) {
        failures.push_back("the picked bands did not write \"" + text + "\"");
    }
    const bool drawable = bands.has_value();
    if (dialog.control("cmdOK").enabled() != drawable) {
        failures.push_back(std::string("OK is ") + (drawable ? "greyed" : "offered") + " for \"" + text + "\"");
    }
    if (dialog.control("chkSmd").enabled() != reading.asCode.has_value()) {
        failures.push_back("the SMD code box does not say whether \"" + text + "\" reads as a code");
    }
    if (value) {
        const std::string expected = reference::withUnit(reference::valueOf(value->significant, value->exponent, decimalSeparator)) + " ±" +
                                     reference::percentText(tolerance.hundredths, decimalSeparator) + " %" +
                                     (reading.coefficient ? " " + std::to_string(*reading.coefficient) + " ppm/K" : "");
        if (dialog.control("lblPreview1").caption() != expected) {
            failures.push_back("the preview of \"" + text + "\" is not " + expected);
        }
        if (bands && dialog.control("lblPreview2").caption() != bandColours(*bands)) {
            failures.push_back("the bands of \"" + text + "\" are not " + bandColours(*bands));
        }
        checkSeriesLine(dialog, *value, failures);
    }
    dialog.clearChanges();
    return failures;
}

}  // namespace pruhomat::testing
