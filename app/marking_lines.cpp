#include "marking_lines.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "czech_text.h"
#include "markings.h"

namespace pruhomat {

std::string colourName(Colour colour) { return inLowerCase(bandColourName(colour)); }

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

std::string bandNames(std::span<const Colour> bands) {
    std::vector<std::string> names;
    std::ranges::transform(bands, std::back_inserter(names), colourName);
    return joined(names);
}

std::string markingText(const TypedValue& value, Tolerance tolerance, std::optional<std::uint32_t> coefficient,
                        std::string_view separator) {
    return valueWithUnit(value.significant, value.exponent, separator) + " ±" + toleranceText(tolerance, separator) +
           " %" + (coefficient ? " " + std::to_string(*coefficient) + " ppm/K" : "");
}

std::string olderMarkingNote(Tolerance tolerance, std::string_view separator) {
    const auto marking = markingOf(tolerance);
    if (marking && marking->olderColour) {
        return " (dříve " + colourName(*marking->olderColour) + ")";
    }
    const auto olderMeaning = olderMeaningOf(tolerance);
    return olderMeaning ? " (dříve ±" + toleranceText(*olderMeaning, separator) + " %)" : "";
}

std::string otherEndLine(const OtherEnd& otherEnd, std::string_view separator) {
    const PartMarking& read = otherEnd.marking;
    const std::string_view likelihood = otherEnd.likelihood == Likelihood::Equal      ? "stejně pravděpodobné"
                                        : otherEnd.likelihood == Likelihood::Likelier ? "pravděpodobnější"
                                                                                      : "méně pravděpodobné";
    return "obráceně: " + markingText(read.value, read.tolerance, std::nullopt, separator) +
           olderMarkingNote(read.tolerance, separator) +
           (read.coefficient ? " " + std::to_string(*read.coefficient) + " ppm/K" : "") + " (" +
           std::string(likelihood) + ")";
}

namespace {

// ×0,001 to ×1, then ×10, ×100, ×1 k and on in thousands.
std::string multiplierText(int exponent, std::string_view separator) {
    if (exponent < 0) {
        return "×0" + std::string(separator) + std::string(static_cast<std::size_t>(-exponent - 1), '0') + "1";
    }
    constexpr std::array<std::string_view, 4> thousands{"", " k", " M", " G"};
    const auto power = static_cast<std::size_t>(exponent / 3);
    return "×" + std::string(static_cast<std::size_t>(1 + exponent % 3), '0').replace(0, 1, "1") + std::string(thousands.at(power));
}

}  // namespace

std::string bandMeaning(Colour colour, BandRole role, std::string_view separator) {
    switch (role) {
        case BandRole::FirstDigit:
        case BandRole::Digit:
            return std::to_string(digitOfBand(colour).value_or(0));
        case BandRole::Multiplier:
            return multiplierText(multiplierOfBand(colour).value_or(0), separator);
        case BandRole::Tolerance: {
            const auto marking = markingOfBand(colour);
            return marking ? "±" + toleranceText(marking->tolerance, separator) + " %" : "";
        }
        case BandRole::Coefficient:
            return std::to_string(coefficientOfBand(colour).value_or(0)) + " ppm/K";
    }
    return "";
}

}  // namespace pruhomat
