#include "markings.h"

#include <algorithm>
#include <array>

#include "standard_series.h"

namespace pruhomat {
namespace {

using enum Colour;

struct CoefficientMarking {
    std::uint32_t ppm;
    Colour colour;
};

constexpr std::array<CoefficientMarking, 9> coefficientTable{{
    {250, Black}, {100, Brown}, {50, Red}, {15, Orange}, {25, Yellow}, {20, Green}, {10, Blue}, {5, Violet}, {1, Grey},
}};

struct MultiplierLetter {
    char letter;
    int exponent;
};

// The first letter of each power is the one written; R, S and H are read too.
constexpr std::array<MultiplierLetter, 12> e96Letters{{
    {'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0},
    {'B', 1}, {'H', 1}, {'C', 2}, {'D', 3}, {'E', 4}, {'F', 5},
}};

struct BandMultiplier {
    Colour colour;
    int exponent;
};

// Beside the code's own multipliers (silver to blue): pink, which precision parts carry, and
// violet to white, which no value from 0,1 Ω to 99 MΩ needs.
constexpr std::array<BandMultiplier, 4> multipliersBeyondTheCode{{{Pink, -3}, {Violet, 7}, {Grey, 8}, {White, 9}}};

}  // namespace

std::string_view bandColourName(Colour colour) { return colour == Pink ? "Růžová" : ColourCode::info(colour).name; }

std::optional<int> digitOfBand(Colour colour) { return colour == Pink ? std::nullopt : ColourCode::info(colour).digit; }

std::optional<int> multiplierOfBand(Colour colour) {
    const auto beyond = std::ranges::find(multipliersBeyondTheCode, colour, &BandMultiplier::colour);
    return beyond != multipliersBeyondTheCode.end() ? std::optional(beyond->exponent) : ColourCode::info(colour).exponent;
}

std::optional<Colour> multiplierColour(int exponent) {
    const auto beyond = std::ranges::find(multipliersBeyondTheCode, exponent, &BandMultiplier::exponent);
    if (beyond != multipliersBeyondTheCode.end()) {
        return beyond->colour;
    }
    const auto code = std::ranges::find(ColourCode::all(), std::optional(exponent), &ColourInfo::exponent);
    return code == ColourCode::all().end() ? std::nullopt : std::optional(code->colour);
}

std::optional<Colour> coefficientColour(std::uint32_t ppm) {
    const auto found = std::ranges::find(coefficientTable, ppm, &CoefficientMarking::ppm);
    return found == coefficientTable.end() ? std::nullopt : std::optional(found->colour);
}

std::optional<std::uint32_t> coefficientOfBand(Colour colour) {
    const auto found = std::ranges::find(coefficientTable, colour, &CoefficientMarking::colour);
    return found == coefficientTable.end() ? std::nullopt : std::optional(found->ppm);
}

std::optional<int> e96Multiplier(char letter) {
    const char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    const auto found = std::ranges::find(e96Letters, upper, &MultiplierLetter::letter);
    return found == e96Letters.end() ? std::nullopt : std::optional(found->exponent);
}

std::optional<Digits> inDigits(const TypedValue& value, int count) {
    if (value.digits() > count) {
        return std::nullopt;
    }
    const int padding = count - value.digits();
    return Digits{std::to_string(value.significant) + std::string(static_cast<std::size_t>(padding), '0'),
                  value.exponent - padding};
}

std::string printedCode(const TypedValue& value, std::optional<Tolerance> tolerance) {
    UnitParts parts = unitPartsOf(value.significant, value.exponent);
    if (parts.whole == "0") {
        parts.whole.clear();
    }
    // Two digits at least, as the code is printed: 1K0, R10.
    if (parts.whole.size() + parts.fraction.size() == 1) {
        parts.fraction += "0";
    }
    const char unitLetter = parts.unit == Unit::MegaOhm ? 'M' : parts.unit == Unit::KiloOhm ? 'K' : 'R';
    const auto marking = tolerance ? markingOf(*tolerance) : std::nullopt;
    return parts.whole + unitLetter + parts.fraction + (marking ? std::string(1, marking->letter) : "");
}

// The last digit is the power of ten; below ten ohms (or a hundred, with three digits) an R
// stands for the decimal point.
std::string smdCode(const TypedValue& value, int significantDigits) {
    const auto digits = inDigits(value, significantDigits);
    if (!digits || digits->exponent > 9) {
        return "";
    }
    if (digits->exponent >= 0) {
        return digits->text + std::to_string(digits->exponent);
    }
    const int point = significantDigits + digits->exponent;
    return point < 0 ? "" : digits->text.substr(0, static_cast<std::size_t>(point)) + "R" +
                                digits->text.substr(static_cast<std::size_t>(point));
}

std::string e96Code(const TypedValue& value) {
    const auto digits = inDigits(value, 3);
    const auto& e96 = *std::ranges::find(standardSeries(), std::string_view("E96"), &StandardSeries::name);
    const auto letter = std::ranges::find(e96Letters, digits ? digits->exponent : 99, &MultiplierLetter::exponent);
    if (!digits || letter == e96Letters.end()) {
        return "";
    }
    const auto entry = std::ranges::find(e96.values, static_cast<std::uint16_t>(std::stoi(digits->text)));
    if (entry == e96.values.end()) {
        return "";
    }
    const auto number = entry - e96.values.begin() + 1;
    return (number < 10 ? "0" : "") + std::to_string(number) + letter->letter;
}

}  // namespace pruhomat
