#include "tolerance.h"

#include <algorithm>
#include <array>

namespace pruhomat {
namespace {

using enum Colour;

constexpr std::optional<Colour> noBand = std::nullopt;

constexpr std::array<ToleranceMarking, 11> toleranceTable{{
    // tolerance, band, letter, series, older band, main window
    {{1}, Grey, 'L', "E192", noBand, false},
    {{2}, Yellow, 'P', "E192", noBand, false},
    {{5}, Orange, 'W', "E192", Grey, false},
    {{10}, Violet, 'B', "E192", noBand, false},
    {{25}, Blue, 'C', "E192", noBand, false},
    {{50}, Green, 'D', "E192", noBand, false},
    {{100}, Brown, 'F', "E96", noBand, true},
    {{200}, Red, 'G', "E48", noBand, true},
    {{500}, Gold, 'J', "E24", noBand, true},
    {{1000}, Silver, 'K', "E12", noBand, true},
    {{2000}, noBand, 'M', "E6", noBand, false},
}};

char inCapitals(char letter) { return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter; }

}  // namespace

std::optional<std::uint8_t> Tolerance::wholePercent() const {
    if (hundredths % 100 != 0 || hundredths / 100 > UINT8_MAX) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(hundredths / 100);
}

std::string toleranceText(Tolerance tolerance, std::string_view decimalSeparator) {
    std::string text = std::to_string(tolerance.hundredths / 100);
    const std::uint32_t fraction = tolerance.hundredths % 100;
    if (fraction != 0) {
        text += std::string(decimalSeparator) + std::to_string(fraction / 10);
        if (fraction % 10 != 0) {
            text += std::to_string(fraction % 10);
        }
    }
    return text;
}

std::span<const ToleranceMarking> toleranceMarkings() { return toleranceTable; }

std::optional<ToleranceMarking> markingOf(Tolerance tolerance) {
    const auto found = std::ranges::find(toleranceTable, tolerance, &ToleranceMarking::tolerance);
    return found == toleranceTable.end() ? std::nullopt : std::optional(*found);
}

std::optional<Tolerance> toleranceOfLetter(char letter) {
    const auto found = std::ranges::find(toleranceTable, inCapitals(letter), &ToleranceMarking::letter);
    return found == toleranceTable.end() ? std::nullopt : std::optional(found->tolerance);
}

std::optional<ToleranceMarking> markingOfBand(Colour colour) {
    const auto found = std::ranges::find(toleranceTable, std::optional(colour), &ToleranceMarking::colour);
    return found == toleranceTable.end() ? std::nullopt : std::optional(*found);
}

std::optional<Tolerance> olderMeaningOf(Tolerance tolerance) {
    const auto marking = markingOf(tolerance);
    const auto older = std::ranges::find_if(toleranceTable, [&marking](const ToleranceMarking& other) {
        return marking && marking->colour && other.olderColour == marking->colour;
    });
    return older == toleranceTable.end() ? std::nullopt : std::optional(older->tolerance);
}

}  // namespace pruhomat
