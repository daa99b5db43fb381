#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "resistor_state.h"

namespace pruhomat {

enum class Unit : std::uint8_t { Ohm, KiloOhm, MegaOhm };

// "Ω", "kΩ" or "MΩ".
std::string_view unitSymbol(Unit unit);

struct Result {
    double resistance = 0;          // ohms
    Unit unit = Unit::Ohm;
    std::string valueCaption;       // the number beside the unit picture
    std::string toleranceCaption;   // percent, without the sign
    double num3 = 0;                // the third band's value after the silver repair
};

// The result row as one line of text: "4,7 kΩ ±5 %".
std::string resultLine(const Result& result);

// What the result row shows for a resistor. Never fails: a state no number can be formed from
// gives 0 ohms.
Result computeResult(const ResistorState& state, BandCount bandCount, std::string_view decimalSeparator);

}  // namespace pruhomat
