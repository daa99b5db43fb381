#include "marking_text.h"

#include <algorithm>
#include <array>

namespace pruhomat {
namespace {

constexpr std::array<std::string_view, 2> wideSpaces{"\xC2\xA0", "\xE2\x80\xAF"};
constexpr std::string_view plusMinus = "\xC2\xB1";
// Longest first, so that "ppm/K" is not read as "ppm" with "/K" left over.
constexpr std::array<std::string_view, 2> coefficientUnits{"ppm/k", "ppm"};
constexpr std::size_t longestCoefficient = 4;  // digits

bool isDigit(char character) { return character >= '0' && character <= '9'; }
bool allDigits(std::string_view text) { return std::ranges::all_of(text, isDigit); }

std::string_view trimmedEnd(std::string_view text) {
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool endsWithInAnyCase(std::string_view text, std::string_view lowerEnding) {
    if (text.size() < lowerEnding.size()) {
        return false;
    }
    return std::ranges::equal(text.substr(text.size() - lowerEnding.size()), lowerEnding, [](char typed, char wanted) {
        return (typed >= 'A' && typed <= 'Z' ? static_cast<char>(typed - 'A' + 'a') : typed) == wanted;
    });
}

// The run at the end of the text whose characters pass the test, taken off the text.
std::string_view takeEnd(std::string_view& text, bool (*belongs)(char)) {
    const auto start = std::find_if_not(text.rbegin(), text.rend(), belongs).base();
    const std::string_view run = text.substr(static_cast<std::size_t>(start - text.begin()));
    text.remove_suffix(run.size());
    return run;
}

// "50 ppm/K" at the end, set off by a space or following the tolerance's "%".
bool takeCoefficient(std::string_view& text, MarkingParts& parts) {
    const auto unit = std::ranges::find_if(coefficientUnits, [text](auto ending) { return endsWithInAnyCase(text, ending); });
    if (unit == coefficientUnits.end()) {
        return true;
    }
    text = trimmedEnd(text.substr(0, text.size() - unit->size()));
    const std::string_view digits = takeEnd(text, isDigit);
    if (digits.empty() || digits.size() > longestCoefficient || text.empty() || (text.back() != ' ' && text.back() != '%')) {
        return false;
    }
    parts.coefficient = static_cast<std::uint32_t>(std::stoul(std::string(digits)));
    text = trimmedEnd(text);
    return true;
}

// "±0,25 %" (spaces anywhere) or " 0,25%" at the end.
bool takeTolerance(std::string_view& text, MarkingParts& parts) {
    if (const std::size_t sign = text.find(plusMinus); sign != std::string_view::npos) {
        std::string number = withoutSpaces(text.substr(sign + plusMinus.size()));
        if (number.ends_with('%')) {
            number.pop_back();
        }
        parts.tolerance = toleranceNumber(number);
        text = text.substr(0, sign);
        return parts.tolerance.has_value();
    }
    if (!text.ends_with('%')) {
        return true;
    }
    text = trimmedEnd(text.substr(0, text.size() - 1));
    const std::string_view number = takeEnd(text, [](char character) { return isDigit(character) || character == ',' || character == '.'; });
    parts.tolerance = text.ends_with(' ') ? toleranceNumber(number) : std::nullopt;
    return parts.tolerance.has_value();
}

}  // namespace

std::string withPlainSpaces(std::string_view text) {
    std::string plain;
    while (!text.empty()) {
        const auto wide = std::ranges::find_if(wideSpaces, [text](std::string_view sign) { return text.starts_with(sign); });
        plain += wide == wideSpaces.end() ? text.front() : ' ';
        text.remove_prefix(wide == wideSpaces.end() ? 1 : wide->size());
    }
    return plain;
}

std::string withoutSpaces(std::string_view text) {
    std::string compact = withPlainSpaces(text);
    std::erase(compact, ' ');
    return compact;
}

std::optional<MarkingParts> markingPartsOf(std::string_view text) {
    MarkingParts parts;
    text = trimmedEnd(text);
    if (!takeCoefficient(text, parts) || !takeTolerance(text, parts)) {
        return std::nullopt;
    }
    parts.value = text;
    return parts;
}

std::optional<Tolerance> toleranceNumber(std::string_view text) {
    const std::size_t separator = text.find_first_of(",.");
    const std::string_view whole = text.substr(0, separator);
    const std::string_view fraction = separator == std::string_view::npos ? "" : text.substr(separator + 1);
    if (whole.empty() || whole.size() > 3 || fraction.size() > 2 || (separator != std::string_view::npos && fraction.empty()) ||
        !allDigits(whole) || !allDigits(fraction)) {
        return std::nullopt;
    }
    const std::string hundredths = std::string(fraction) + std::string(2 - fraction.size(), '0');
    return Tolerance{static_cast<std::uint32_t>(std::stoul(std::string(whole)) * 100 + std::stoul(hundredths))};
}

}  // namespace pruhomat
