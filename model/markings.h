#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "colour_code.h"
#include "tolerance.h"
#include "value_text.h"

namespace pruhomat {

// A band colour's name, the code's or "Růžová" for pink.
std::string_view bandColourName(Colour colour);

// The digit a band of the colour stands for; none for gold, silver and pink.
std::optional<int> digitOfBand(Colour colour);

// The power of ten a multiplier band of the colour stands for, pink ×0,001 to white ×10⁹; and
// the colour of a power.
std::optional<int> multiplierOfBand(Colour colour);
std::optional<Colour> multiplierColour(int exponent);

// The colour of a temperature coefficient in ppm/K; none for a figure the code lacks. And the
// coefficient a band of the colour stands for.
std::optional<Colour> coefficientColour(std::uint32_t ppm);
std::optional<std::uint32_t> coefficientOfBand(Colour colour);

// The power of ten of an E96 code's multiplier letter, in either case.
std::optional<int> e96Multiplier(char letter);

// The printed code: "4K7", "470R", "R47", "R10", with the tolerance letter where there is one.
std::string printedCode(const TypedValue& value, std::optional<Tolerance> tolerance);

// The SMD code of three (two significant digits) or four characters (three): "472", "4R7",
// "4701", "47R5"; empty where the value needs more digits.
std::string smdCode(const TypedValue& value, int significantDigits);

// The E96 code ("01C" for 10 kΩ); empty where the value is no E96 value.
std::string e96Code(const TypedValue& value);

// The value in exactly `count` significant digits ("470" for 4,7 kΩ in three), with its power
// of ten; none where it has more.
struct Digits {
    std::string text;
    int exponent;
};
std::optional<Digits> inDigits(const TypedValue& value, int count);

}  // namespace pruhomat
