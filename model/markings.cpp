#include "markings.h"

#include <algorithm>
#include <array>

#include "standard_series.h"

namespace pruhomat {
namespace {

using enum Colour;

constexpr std::array<ToleranceMarking, 9> toleranceTable{{
    {{5}, Grey, 'W'},
    {{10}, Violet, 'B'},
    {{25}, Blue, 'C'},
    {{50}, Green, 'D'},
    {{100}, Brown, 'F'},
    {{200}, Red, 'G'},
    {{500}, Gold, 'J'},
    {{1000}, Silver, 'K'},
    {{2000}, std::nullopt, 'M'},
}};

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

// Bands carry the multipliers from silver (10⁻²) to blue (10⁶); our values need no more.
constexpr int lowestBandExponent = -2;
constexpr int highestBandExponent = 6;

// The value in exactly `count` significant digits, with its power of ten; none where it has more.
struct Digits {
    std::string text;
    int exponent;
};
std::optional<Digits> inDigits(const TypedValue& value, int count) {
    if (value.digits() > count) {
        return std::nullopt;
    }
    const int padding = count - value.digits();
    return Digits{std::to_string(value.significant) + std::string(static_cast<std::size_t>(padding), '0'),
                  value.exponent - padding};
}

Colour colourWhere(const std::optional<int> ColourInfo::*field, int wanted) {
    return std::ranges::find(ColourCode::all(), std::optional<int>(wanted), field)->colour;
}

std::optional<std::vector<Colour>> bandsIn(const TypedValue& value, int count, const ToleranceMarking& marking,
                                           std::optional<std::uint32_t> coefficient) {
    const auto digits = inDigits(value, count);
    if (!digits || digits->exponent < lowestBandExponent || digits->exponent > highestBandExponent) {
        return std::nullopt;
    }
    std::vector<Colour> bands;
    for (const char digit : digits->text) {
        bands.push_back(colourWhere(&ColourInfo::digit, digit - '0'));
    }
    bands.push_back(colourWhere(&ColourInfo::exponent, digits->exponent));
    if (marking.colour) {
        bands.push_back(*marking.colour);
        if (const auto colour = coefficient ? coefficientColour(*coefficient) : std::nullopt) {
            bands.push_back(*colour);
        }
    }
    return bands;
}

}  // namespace

std::span<const ToleranceMarking> toleranceMarkings() { return toleranceTable; }

std::optional<ToleranceMarking> markingOf(Tolerance tolerance) {
    const auto found = std::ranges::find(toleranceTable, tolerance, &ToleranceMarking::tolerance);
    return found == toleranceTable.end() ? std::nullopt : std::optional(*found);
}

std::optional<Tolerance> toleranceOfLetter(char letter) {
    const auto found = std::ranges::find(toleranceTable, letter, &ToleranceMarking::letter);
    return found == toleranceTable.end() ? std::nullopt : std::optional(found->tolerance);
}

std::optional<Colour> coefficientColour(std::uint32_t ppm) {
    const auto found = std::ranges::find(coefficientTable, ppm, &CoefficientMarking::ppm);
    return found == coefficientTable.end() ? std::nullopt : std::optional(found->colour);
}

std::optional<int> e96Multiplier(char letter) {
    const char upper = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    const auto found = std::ranges::find(e96Letters, upper, &MultiplierLetter::letter);
    return found == e96Letters.end() ? std::nullopt : std::optional(found->exponent);
}

// Two digits and a multiplier for 5 % and wider, three for finer tolerances or three digits;
// a coloured coefficient adds a sixth band to the three-digit marking.
std::vector<Colour> partBands(const TypedValue& value, Tolerance tolerance, std::optional<std::uint32_t> coefficient) {
    const auto marking = markingOf(tolerance);
    if (!marking) {
        return {};
    }
    const bool sixBands = marking->colour && coefficient && coefficientColour(*coefficient);
    const int preferred = value.digits() <= 2 && tolerance >= Tolerance::percent(5) && !sixBands ? 2 : 3;
    if (auto bands = bandsIn(value, preferred, *marking, coefficient)) {
        return *bands;
    }
    return bandsIn(value, 5 - preferred, *marking, coefficient).value_or(std::vector<Colour>{});
}

std::string printedCode(const TypedValue& value, std::optional<Tolerance> tolerance) {
    UnitParts parts = unitPartsOf(value.significant, value.exponent);
    if (parts.whole == "0") {
        parts.whole.clear();
    } else if (parts.whole.size() == 1 && parts.fraction.empty()) {
        parts.fraction = "0";  // 1K0, as the code is printed
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
