#pragma once

// What the user must read, written out independently of model/: the palettes row by row and the
// value of a resistor worked out on decimal digits, never through floating point. Tests judge the
// program by these, so the program and its judge can disagree.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "colour_code.h"
#include "resistor_state.h"

namespace pruhomat::testing::reference {

// A palette row as the user reads it: name, value and swatch colour ("Černá 0 000000"); empty
// where the row is hidden.
using Palette = std::array<std::string, 10>;

const Palette& palette(PaletteMode mode);
// The name of the row with this value, in small letters as within a sentence ("červená"); empty
// where the palette has none.
std::string colourName(PaletteMode mode, double value);

// "RRGGBB" in upper case.
std::string hex(Rgb colour);

// The colour a band of the drawing shows for a colour of the code, as published.
Rgb bandDrawing(Colour colour);

enum class UnitShown : std::uint8_t { Ohm, KiloOhm, MegaOhm };

struct Value {
    std::string caption;  // as beside the unit picture, with the given separator
    UnitShown unit = UnitShown::Ohm;

    friend bool operator==(const Value&, const Value&) = default;
};

// The value with its unit as the preview writes it: "4,7 kΩ".
std::string withUnit(const Value& value);

// significant × 10^exponent ohms.
Value valueOf(std::uint64_t significant, int exponent, const std::string& decimalSeparator);

// The value the result row shows for a state. A silver third band of five reads as 9 (it is drawn
// white); any other band that holds no digit, or a multiplier its band count does not offer,
// gives 0 ohms.
Value valueOf(const ResistorState& state, BandCount bandCount, const std::string& decimalSeparator);

// A tolerance in hundredths of a percent as the preview writes it: "0,05", "10".
std::string percentText(std::uint32_t hundredths, const std::string& decimalSeparator);

}  // namespace pruhomat::testing::reference
