#include "value_preview.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "band_palettes.h"
#include "colour_code.h"
#include "marking_lines.h"
#include "markings.h"
#include "component_bands.h"
#include "series_text.h"

namespace pruhomat {
namespace {

struct ProblemText {
    ValueProblem problem;
    std::string_view text;
};

constexpr std::array<ProblemText, 11> problemTexts{{
    {ValueProblem::Empty, "Zadejte hodnotu, např. 4k7 nebo 4,7 kΩ."},
    {ValueProblem::TooLong, "Hodnota je delší než 32 znaků."},
    {ValueProblem::NotANumber, "Toto není hodnota: zkuste 4k7, 4,7 kΩ nebo 4700."},
    {ValueProblem::Negative, "Odpor nemůže být záporný."},
    {ValueProblem::Zero, "Odpor nemůže být nulový."},
    {ValueProblem::TooManyDigits, "Pásky nesou nejvýše tři platné číslice."},
    {ValueProblem::BelowRange, "Nejmenší hodnota je 0,1 Ω."},
    {ValueProblem::AboveRange, "Největší hodnota je 99 MΩ."},
    {ValueProblem::BeforeFirstE96, "Kódy E96 začínají číslem 01 (100)."},
    {ValueProblem::PastLastE96, "Čísla nad 96 leží za poslední hodnotou E96 (96 je 976)."},
    {ValueProblem::ZeroTolerance, "Přesnost musí být větší než 0 %."},
}};

constexpr std::string_view undrawable = "Tuto hodnotu okno čtyřmi ani pěti pásky nenakreslí.";
constexpr std::string_view toleranceNotDrawn = "Okno kreslí přesnost 1, 2, 5 a 10 %";
constexpr std::string_view coefficientNotDrawn = "Pásek teplotního součinitele okno nekreslí.";
constexpr std::string_view threeDigitsAtTwentyPercent = "Pro ±20 % nesou pásky nejvýše dvě platné číslice.";
constexpr std::string_view coefficientOnThreeBands = "Tři pásky (±20 %) teplotní součinitel nenesou.";

std::vector<std::string> windowColours(const DrawnResistor& drawn) {
    const auto values = bandValues(drawn.state);
    std::vector<std::string> names;
    for (std::uint8_t band = 1; band <= bandPositions; ++band) {
        if (hasBand(band, drawn.count)) {
            const PaletteMode mode = paletteModeFor(band, drawn.count);
            const auto position = ColourCode::positionOf(mode, values[band - 1]);
            names.push_back(position ? colourName(ColourCode::paletteEntry(mode, *position)->colour) : "");
        }
    }
    return names;
}

std::string countOfBands(std::size_t count) { return std::to_string(count) + (count < 5 ? " pásky" : " pásků"); }

// "na součástce 5 pásků: …", where the part's bands are not the ones the window draws or older
// parts carried another colour.
std::string partBandsLine(const std::vector<Colour>& bands, Tolerance tolerance, const std::string& windowBands,
                          std::string_view separator) {
    const std::string names = bandNames(bands);
    const std::string older = olderMarkingNote(tolerance, separator);
    if (bands.empty() || (names == windowBands && older.empty())) {
        return "";
    }
    return "na součástce " + countOfBands(bands.size()) + ": " + names + older;
}

// Why the window cannot draw the part: its tolerance, or the multiplier of picked bands.
std::string undrawnReason(const std::vector<Colour>& bands, Tolerance tolerance, bool picked) {
    const auto whole = tolerance.wholePercent();
    if (!whole || !ColourCode::positionOf(PaletteMode::Tolerance, *whole)) {
        return std::string(toleranceNotDrawn);
    }
    if (picked && bands.size() >= 5) {
        return "Okno u pěti pásků nenabízí násobitel " + colourName(bands[3]) + ".";
    }
    return std::string(undrawable);
}

std::string smdLine(const TypedValue& value) {
    std::vector<std::string> codes;
    for (const std::string& code : {smdCode(value, 2), smdCode(value, 3), e96Code(value)}) {
        if (!code.empty()) {
            codes.push_back(code);
        }
    }
    return codes.empty() ? "" : (codes.size() == 1 ? "kód SMD: " : "kódy SMD: ") + joined(codes);
}

// What the part's bands leave out, then why the window leaves something out or cannot draw it
// at all, the last line when OK is greyed.
std::vector<std::string> notesOn(const ValuePreview& preview, const PartMarking& marking, std::string_view separator) {
    std::vector<std::string> notes;
    const auto tolerance = markingOf(marking.tolerance);
    if (!tolerance) {
        notes.push_back("Přesnost ±" + toleranceText(marking.tolerance, separator) + " % nemá barvu ani písmeno.");
    } else if (preview.partColours.empty()) {
        notes.emplace_back(threeDigitsAtTwentyPercent);
    }
    const auto coefficient = marking.coefficient;
    if (coefficient && !coefficientColour(*coefficient)) {
        notes.push_back("Teplotní součinitel " + std::to_string(*coefficient) + " ppm/K nemá barvu.");
    } else if (coefficient && tolerance && !tolerance->colour && !preview.partColours.empty()) {
        notes.emplace_back(coefficientOnThreeBands);
    } else if (coefficient && preview.drawn) {
        notes.emplace_back(coefficientNotDrawn);
    }
    if (!preview.drawn) {
        notes.push_back(undrawnReason(preview.partColours, marking.tolerance, preview.picked));
    }
    return notes;
}

// Every marking of a value read from the text; the bands picked are the part's where there are.
void describe(ValuePreview& preview, const PartMarking& marking, std::span<const Colour> picked, std::string_view separator) {
    const auto& [value, tolerance, coefficient] = marking;
    const auto whole = tolerance.wholePercent();
    const std::vector<Colour> usual = partBands(value, tolerance, coefficient);
    preview.hasValue = true;
    preview.picked = !picked.empty();
    preview.partColours = preview.picked ? std::vector<Colour>(picked.begin(), picked.end()) : usual;
    preview.drawn = preview.picked ? drawnFromBands(picked) : whole ? bandsFor(value, *whole) : std::nullopt;
    preview.value = markingText(value, tolerance, coefficient, separator);
    preview.bands = preview.drawn ? joined(windowColours(*preview.drawn)) : "";
    preview.partBands = partBandsLine(preview.partColours, tolerance, preview.bands, separator);
    if (preview.picked && usual != preview.partColours && !usual.empty()) {
        preview.usualBands = "obvykle " + countOfBands(usual.size()) + ": " + bandNames(usual);
    }
    const auto otherEnd = readBackwards(preview.partColours);
    preview.otherEnd = otherEnd ? otherEndLine(*otherEnd, separator) : "";
    preview.code = "kód RKM: " + printedCode(value, tolerance);
    preview.smd = smdLine(value);
    std::tie(preview.series, preview.nearestE96) = seriesLines(value, separator);
    preview.notes = notesOn(preview, marking, separator);
}

}  // namespace

std::vector<std::string> ValuePreview::lines() const {
    std::vector<std::string> shown;
    for (const std::string* line :
         {&value, &bands, &partBands, &usualBands, &otherEnd, &code, &smd, &series, &nearestE96, &otherReading}) {
        if (!line->empty()) {
            shown.push_back(*line);
        }
    }
    shown.insert(shown.end(), notes.begin(), notes.end());
    return shown;
}

ValuePreview previewValue(std::string_view text, Tolerance tolerance, std::string_view decimalSeparator, bool asCode,
                          std::span<const Colour> picked) {
    ValuePreview preview;
    const ValueReading reading = readValue(text);
    preview.typedTolerance = reading.tolerance;
    preview.readsAsCode = reading.asCode.has_value();
    const bool codeChosen = asCode && reading.asCode;
    const std::optional<TypedValue> value = codeChosen ? reading.asCode : reading.value;
    if (value) {
        describe(preview, {*value, reading.tolerance.value_or(tolerance), reading.coefficient}, picked, decimalSeparator);
    } else {
        preview.value = std::ranges::find(problemTexts, reading.problem, &ProblemText::problem)->text;
    }
    if (reading.asCode && !codeChosen) {
        preview.otherReading = "jako kód SMD: " + valueWithUnit(reading.asCode->significant, reading.asCode->exponent, decimalSeparator);
    } else if (codeChosen && reading.value) {
        preview.otherReading = "jako číslo: " + valueWithUnit(reading.value->significant, reading.value->exponent, decimalSeparator);
    }
    return preview;
}

}  // namespace pruhomat
