#pragma once

#include <cstdint>

namespace pruhomat {

// The resistor being edited, as the main window holds it. The member initialisers are the
// values the window loads with: white, white, white, silver multiplier, 10 %.
struct ResistorState {
    std::uint8_t band = 0;  // current band: 0 none, 1 to 5
    std::uint8_t num1 = 9;  // first digit
    std::uint8_t num2 = 9;  // second digit
    double num3 = 9;        // third digit with five bands, multiplier exponent with four
    double num4 = -2;       // multiplier exponent with five bands
    std::uint8_t num5 = 10;  // tolerance in percent
};

enum class BandCount : std::uint8_t { Four, Five };

}  // namespace pruhomat
