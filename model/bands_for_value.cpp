#include "bands_for_value.h"

#include <algorithm>
#include <array>

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

// The value of a band in the palette of its place, where the palette offers its colour.
std::optional<double> paletteValue(PaletteMode mode, Colour colour) {
    for (std::size_t position = 0; position < ColourCode::paletteSize; ++position) {
        if (const auto entry = ColourCode::paletteEntry(mode, position); entry && entry->colour == colour) {
            return entry->value;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<DrawnResistor> drawnFromBands(std::span<const Colour> bands) {
    if (bands.size() < 4 || bands[0] == Colour::Black) {
        return std::nullopt;
    }
    const bool four = bands.size() == 4;
    const std::array<PaletteMode, 5> modes{PaletteMode::Digit, PaletteMode::Digit,
                                           four ? PaletteMode::Exponent4Band : PaletteMode::Digit,
                                           four ? PaletteMode::Tolerance : PaletteMode::Exponent5Band,
                                           PaletteMode::Tolerance};
    std::array<double, 5> values{0, 0, 0, -2, 0};
    for (std::size_t band = 0; band < std::min<std::size_t>(bands.size(), 5); ++band) {
        const auto value = paletteValue(modes[band], bands[band]);
        if (!value) {
            return std::nullopt;
        }
        values[four && band == 3 ? 4 : band] = *value;
    }
    DrawnResistor drawn{four ? BandCount::Four : BandCount::Five, {}};
    drawn.state = {0, static_cast<std::uint8_t>(values[0]), static_cast<std::uint8_t>(values[1]), values[2], values[3],
                   static_cast<std::uint8_t>(values[4])};
    return drawn;
}

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
