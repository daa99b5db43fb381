#include "value_preview.h"

#include <algorithm>
#include <array>
#include <vector>

#include "band_palettes.h"
#include "colour_code.h"
#include "czech_text.h"
#include "result.h"
#include "standard_series.h"

namespace pruhomat {
namespace {

struct ProblemText {
    ValueProblem problem;
    std::string_view text;
};

constexpr std::array<ProblemText, 8> problemTexts{{
    {ValueProblem::Empty, "Zadejte hodnotu, např. 4k7 nebo 4,7 kΩ."},
    {ValueProblem::TooLong, "Hodnota je delší než 32 znaků."},
    {ValueProblem::NotANumber, "Toto není hodnota: zkuste 4k7, 4,7 kΩ nebo 4700."},
    {ValueProblem::Negative, "Odpor nemůže být záporný."},
    {ValueProblem::Zero, "Odpor nemůže být nulový."},
    {ValueProblem::TooManyDigits, "Pásky nesou nejvýše tři platné číslice."},
    {ValueProblem::BelowRange, "Nejmenší hodnota je 0,1 Ω."},
    {ValueProblem::AboveRange, "Největší hodnota je 99 MΩ."},
}};

constexpr std::string_view undrawable = "Tuto hodnotu nenakreslí čtyři ani pět pásků.";

// The name of the colour whose value a palette offers, as it reads in a sentence.
std::string colourName(PaletteMode mode, double value) {
    const auto position = ColourCode::positionOf(mode, value);
    return position ? inLowerCase(ColourCode::info(ColourCode::paletteEntry(mode, *position)->colour).name) : "";
}

std::string bandColours(const DrawnResistor& drawn) {
    const auto values = bandValues(drawn.state);
    std::string text;
    for (std::uint8_t band = 1; band <= bandPositions; ++band) {
        if (hasBand(band, drawn.count)) {
            text += (text.empty() ? "" : ", ") + colourName(paletteModeFor(band, drawn.count), values[band - 1]);
        }
    }
    return text;
}

std::string seriesOf(const TypedValue& value, std::string_view separator) {
    std::vector<std::string_view> holding;
    for (const StandardSeries& series : standardSeries()) {
        if (isInSeries(series, value.significant)) {
            holding.push_back(series.name);
        }
    }
    std::string text;
    if (!holding.empty()) {
        text = holding.size() == 1 ? "řada " : "řady ";
        for (std::size_t index = 0; index < holding.size(); ++index) {
            text += std::string(index == 0 ? "" : ", ") + std::string(holding[index]);
        }
        return text;
    }
    text = "nejbližší";
    const auto all = standardSeries();
    for (const std::string_view name : {std::string_view("E24"), std::string_view("E96")}) {
        const auto& series = *std::ranges::find(all, name, &StandardSeries::name);
        const auto [below, above] = neighboursIn(series, value.significant, value.exponent);
        text += std::string(name == "E24" ? " " : "; ") + std::string(name) + ": " +
                valueWithUnit(below.entry, below.exponent, separator) + " / " +
                valueWithUnit(above.entry, above.exponent, separator);
    }
    return text;
}

}  // namespace

ValuePreview previewValue(std::string_view text, std::uint8_t tolerance, std::string_view decimalSeparator) {
    ValuePreview preview;
    const ValueReading reading = readValue(text);
    preview.typedTolerance = reading.tolerance;
    if (!reading.value) {
        preview.value = std::ranges::find(problemTexts, reading.problem, &ProblemText::problem)->text;
        return preview;
    }
    preview.drawn = bandsFor(*reading.value, reading.tolerance.value_or(tolerance));
    if (!preview.drawn) {
        preview.value = undrawable;
        return preview;
    }
    preview.value = resultLine(computeResult(preview.drawn->state, preview.drawn->count, decimalSeparator));
    preview.bands = bandColours(*preview.drawn);
    preview.series = seriesOf(*reading.value, decimalSeparator);
    return preview;
}

}  // namespace pruhomat
