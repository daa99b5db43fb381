#pragma once

#include <array>
#include <cstdint>

#include "colour_code.h"
#include "resistor_state.h"

namespace pruhomat {

inline constexpr std::uint8_t bandPositions = 5;

// The palette each band (1 to 5) takes its colour from: digits, the multiplier of four or of
// five bands, or the tolerance.
PaletteMode paletteModeFor(std::uint8_t band, BandCount count);

// A four-band resistor has no band 4: its tolerance follows the multiplier.
bool hasBand(std::uint8_t band, BandCount count);

// num1 to num5, in band order.
std::array<double, bandPositions> bandValues(const ResistorState& state);

}  // namespace pruhomat
