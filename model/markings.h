#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "colour_code.h"
#include "tolerance.h"
#include "value_text.h"

namespace pruhomat {

// The tolerances of the colour code, with their band colour (none for 20 %, which has no band)
// and the letter printed after a code ("4K7J").
struct ToleranceMarking {
    Tolerance tolerance;
    std::optional<Colour> colour;
    char letter;
};
std::span<const ToleranceMarking> toleranceMarkings();  // 0,05 % to 20 %, rising
std::optional<ToleranceMarking> markingOf(Tolerance tolerance);
std::optional<Tolerance> toleranceOfLetter(char letter);

// The colour of a temperature coefficient in ppm/K; none for a figure the code lacks.
std::optional<Colour> coefficientColour(std::uint32_t ppm);

// The power of ten of an E96 code's multiplier letter, in either case.
std::optional<int> e96Multiplier(char letter);

// The bands a part carries for the value: three for ±20 %, four or five by its digits and
// tolerance, six with a coloured temperature coefficient; empty where no bands show it.
std::vector<Colour> partBands(const TypedValue& value, Tolerance tolerance, std::optional<std::uint32_t> coefficient);

// The printed code: "4K7", "470R", "R47", with the tolerance letter where there is one.
std::string printedCode(const TypedValue& value, std::optional<Tolerance> tolerance);

// The SMD code of three (two significant digits) or four characters (three): "472", "4R7",
// "4701", "47R5"; empty where the value needs more digits.
std::string smdCode(const TypedValue& value, int significantDigits);

// The E96 code ("01C" for 10 kΩ); empty where the value is no E96 value.
std::string e96Code(const TypedValue& value);

}  // namespace pruhomat
