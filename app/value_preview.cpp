#include "value_preview.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <tuple>

#include "band_palettes.h"
#include "colour_code.h"
#include "czech_text.h"
#include "markings.h"
#include "series_text.h"

namespace pruhomat {
namespace {

struct ProblemText {
    ValueProblem problem;
    std::string_view text;
};

constexpr std::array<ProblemText, 10> problemTexts{{
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
}};

constexpr std::string_view undrawable = "Tuto hodnotu nenakreslí čtyři ani pět pásků.";
constexpr std::string_view toleranceNotDrawn = "Okno kreslí přesnost 1, 2, 5 a 10 %";
constexpr std::string_view coefficientNotDrawn = "Pásek teplotního součinitele okno nekreslí.";

std::string colourName(Colour colour) { return inLowerCase(ColourCode::info(colour).name); }

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

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

// "na součástce 5 pásků: …", where the part's bands are not the ones the window draws.
std::string partBandsLine(const std::vector<Colour>& bands, const std::string& windowBands) {
    std::vector<std::string> names;
    std::ranges::transform(bands, std::back_inserter(names), colourName);
    if (bands.empty() || joined(names) == windowBands) {
        return "";
    }
    const std::string count = std::to_string(bands.size()) + (bands.size() < 5 ? " pásky" : " pásků");
    return "na součástce " + count + ": " + joined(names);
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

std::string valueLine(const TypedValue& value, Tolerance tolerance, std::optional<std::uint32_t> coefficient,
                      std::string_view separator) {
    return valueWithUnit(value.significant, value.exponent, separator) + " ±" + toleranceText(tolerance, separator) +
           " %" + (coefficient ? " " + std::to_string(*coefficient) + " ppm/K" : "");
}

// Why the window leaves something of the marking out, or cannot draw it at all.
std::vector<std::string> notesOn(const ValuePreview& preview, Tolerance tolerance,
                                 std::optional<std::uint32_t> coefficient) {
    std::vector<std::string> notes;
    if (!preview.drawn) {
        const auto whole = tolerance.wholePercent();
        const bool drawnTolerance = whole && ColourCode::positionOf(PaletteMode::Tolerance, *whole);
        notes.emplace_back(drawnTolerance ? undrawable : toleranceNotDrawn);
    }
    if (coefficient && !coefficientColour(*coefficient)) {
        notes.push_back("Teplotní součinitel " + std::to_string(*coefficient) + " ppm/K nemá barvu.");
    } else if (coefficient && preview.drawn) {
        notes.emplace_back(coefficientNotDrawn);
    }
    return notes;
}

// Every marking of a value read from the text.
void describe(ValuePreview& preview, const TypedValue& value, Tolerance tolerance,
              std::optional<std::uint32_t> coefficient, std::string_view separator) {
    const auto whole = tolerance.wholePercent();
    preview.drawn = whole ? bandsFor(value, *whole) : std::nullopt;
    preview.value = valueLine(value, tolerance, coefficient, separator);
    preview.bands = preview.drawn ? joined(windowColours(*preview.drawn)) : "";
    preview.partBands = partBandsLine(partBands(value, tolerance, coefficient), preview.bands);
    preview.code = "kód RKM: " + printedCode(value, tolerance);
    preview.smd = smdLine(value);
    std::tie(preview.series, preview.nearestE96) = seriesLines(value, separator);
    preview.notes = notesOn(preview, tolerance, coefficient);
}

}  // namespace

std::vector<std::string> ValuePreview::lines() const {
    std::vector<std::string> shown;
    for (const std::string* line : {&value, &bands, &partBands, &code, &smd, &series, &nearestE96, &otherReading}) {
        if (!line->empty()) {
            shown.push_back(*line);
        }
    }
    shown.insert(shown.end(), notes.begin(), notes.end());
    return shown;
}

ValuePreview previewValue(std::string_view text, Tolerance tolerance, std::string_view decimalSeparator, bool asCode) {
    ValuePreview preview;
    const ValueReading reading = readValue(text);
    preview.typedTolerance = reading.tolerance;
    preview.readsAsCode = reading.asCode.has_value();
    const bool codeChosen = asCode && reading.asCode;
    const std::optional<TypedValue> value = codeChosen ? reading.asCode : reading.value;
    if (value) {
        describe(preview, *value, reading.tolerance.value_or(tolerance), reading.coefficient, decimalSeparator);
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
