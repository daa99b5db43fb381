#include "result.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "number_text.h"

namespace pruhomat {
namespace {

bool isWholeIn(double value, double lowest, double highest) {
    return value >= lowest && value <= highest && value == std::floor(value);
}

bool isDigit(double value) { return isWholeIn(value, 0, 9); }

// The significant digits read in band order as one decimal number; empty when a band holds no digit.
std::optional<std::int64_t> significantNumber(const ResistorState& state, double thirdBand, BandCount bandCount) {
    if (!isDigit(state.num1) || !isDigit(state.num2)) {
        return std::nullopt;
    }
    const std::int64_t firstTwo = 10 * std::int64_t{state.num1} + state.num2;
    if (bandCount == BandCount::Four) {
        return firstTwo;
    }
    if (!isDigit(thirdBand)) {
        return std::nullopt;
    }
    return 10 * firstTwo + static_cast<std::int64_t>(thirdBand);
}

double resistance(std::int64_t significant, double exponent, BandCount bandCount) {
    const double topExponent = bandCount == BandCount::Four ? 6 : 4;
    if (isWholeIn(exponent, 0, topExponent)) {
        std::int64_t factor = 1;
        for (int zeros = 0; zeros < static_cast<int>(exponent); ++zeros) {
            factor *= 10;
        }
        return static_cast<double>(significant * factor);
    }
    if (exponent == -1) {
        return static_cast<double>(significant) / 10;
    }
    if (exponent == -2) {
        return static_cast<double>(significant) / 100;
    }
    return 0;
}

// Half to even. The resistance never exceeds 99,000,000 ohms, well inside 32 bits.
std::int32_t roundHalfToEven(double value) {
    const bool isHalf = value - std::floor(value) == 0.5;
    return static_cast<std::int32_t>(isHalf ? 2 * std::round(value / 2) : std::round(value));
}

}  // namespace

std::string_view unitSymbol(Unit unit) {
    constexpr std::array<std::string_view, 3> symbols{"Ω", "kΩ", "MΩ"};
    return symbols.at(static_cast<std::size_t>(unit));
}

std::string resultLine(const Result& result) {
    return result.valueCaption + " " + std::string(unitSymbol(result.unit)) + " ±" + result.toleranceCaption + " %";
}

Result computeResult(const ResistorState& state, BandCount bandCount, std::string_view decimalSeparator) {
    Result result;
    result.num3 = state.num3;
    // A silver third band is drawn exactly like white, so it reads as the digit 9.
    if (bandCount == BandCount::Five && result.num3 == -2) {
        result.num3 = 9;
    }
    const double exponent = bandCount == BandCount::Four ? result.num3 : state.num4;
    if (const auto significant = significantNumber(state, result.num3, bandCount)) {
        result.resistance = resistance(*significant, exponent, bandCount);
    }

    result.toleranceCaption = std::to_string(state.num5);

    const std::int32_t rounded = roundHalfToEven(result.resistance);
    double shown = result.resistance;
    if (rounded / 1000 == 0) {
        result.unit = Unit::Ohm;
    } else if (rounded / 1000000 == 0) {
        result.unit = Unit::KiloOhm;
        shown = result.resistance / 1000;
    } else {
        result.unit = Unit::MegaOhm;
        shown = result.resistance / 1000000;
    }
    result.valueCaption = numberAsText(shown, decimalSeparator);
    return result;
}

}  // namespace pruhomat
