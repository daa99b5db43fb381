#include "marking_lines.h"

#include <algorithm>
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

}  // namespace pruhomat
