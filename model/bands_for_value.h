#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "colour_code.h"

#include "resistor_state.h"
#include "value_text.h"

namespace pruhomat {

// A resistor as band entry would leave it: the digits, the multiplier and the tolerance, no
// band current.
struct DrawnResistor {
    BandCount count = BandCount::Five;
    ResistorState state;
};

// The bands that show the value with the tolerance (1, 2, 5 or 10 %). Four bands for at most
// two significant digits with 5 % or 10 %, five bands for three digits or with 1 % or 2 %; a
// value the preferred count cannot show takes the other where that one can, and none where
// neither can; none for a tolerance no band carries.
std::optional<DrawnResistor> bandsFor(const TypedValue& value, std::uint8_t tolerance);

// The window's drawing of a part's bands as they are: four bands, or the first five of five or
// six, where its palettes offer every colour; none otherwise (three bands, a tolerance other
// than 1, 2, 5 or 10 %, a multiplier its band count lacks).
std::optional<DrawnResistor> drawnFromBands(std::span<const Colour> bands);

}  // namespace pruhomat
