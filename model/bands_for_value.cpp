#include "bands_for_value.h"

#include "colour_code.h"

namespace pruhomat {
namespace {

// The multipliers a band count offers: gold and silver, and black up to its top exponent.
bool offersMultiplier(int exponent, BandCount count) {
    const int top = count == BandCount::Four ? 6 : 4;
    return exponent >= -2 && exponent <= top;
}

std::optional<DrawnResistor> withCount(const TypedValue& value, std::uint8_t tolerance, BandCount count) {
    const int bandDigits = count == BandCount::Four ? 2 : 3;
    if (value.digits() > bandDigits) {
        return std::nullopt;
    }
    std::uint64_t significant = value.significant;
    int exponent = value.exponent;
    for (int digit = value.digits(); digit < bandDigits; ++digit) {
        significant *= 10;
        --exponent;
    }
    if (!offersMultiplier(exponent, count)) {
        return std::nullopt;
    }
    DrawnResistor drawn;
    drawn.count = count;
    ResistorState& state = drawn.state;
    state.band = 0;
    state.num5 = tolerance;
    if (count == BandCount::Four) {
        state.num1 = static_cast<std::uint8_t>(significant / 10);
        state.num2 = static_cast<std::uint8_t>(significant % 10);
        state.num3 = exponent;
    } else {
        state.num1 = static_cast<std::uint8_t>(significant / 100);
        state.num2 = static_cast<std::uint8_t>(significant / 10 % 10);
        state.num3 = static_cast<double>(significant % 10);
        state.num4 = exponent;
    }
    return drawn;
}

}  // namespace

std::optional<DrawnResistor> bandsFor(const TypedValue& value, std::uint8_t tolerance) {
    if (!ColourCode::positionOf(PaletteMode::Tolerance, tolerance)) {
        return std::nullopt;  // no band carries it
    }
    const bool preferFive = value.digits() == 3 || tolerance == 1 || tolerance == 2;
    const BandCount preferred = preferFive ? BandCount::Five : BandCount::Four;
    const BandCount other = preferFive ? BandCount::Four : BandCount::Five;
    if (auto drawn = withCount(value, tolerance, preferred)) {
        return drawn;
    }
    return withCount(value, tolerance, other);
}

}  // namespace pruhomat
