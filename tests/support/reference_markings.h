#pragma once

// The markings a resistor carries beyond the main window's bands, written out as published and
// apart from model/: tolerance colours and letters, temperature coefficient colours, the E96
// values in their numbering, the E96 code's multiplier letters, and what a part's bands read as.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "colour_code.h"

namespace pruhomat::testing::reference {

struct ToleranceMark {
    std::uint32_t hundredths;  // of a percent
    std::string_view colour;   // as the palette names it; empty for 20 %, which has no band
    char letter;
};
extern const std::array<ToleranceMark, 11> toleranceMarks;

struct CoefficientMark {
    std::uint32_t ppm;
    std::string_view colour;
};
extern const std::array<CoefficientMark, 9> coefficientMarks;

// E96 number N (01 to 96) is e96[N - 1].
extern const std::array<std::uint16_t, 96> e96;

struct MultiplierMark {
    char letter;
    int exponent;
};
extern const std::array<MultiplierMark, 12> e96Multipliers;

// A part's bands read as IEC 60062 has them: two digits and the multiplier of ±20 %, then the
// tolerance band, a third digit before the multiplier on five or six bands, the coefficient
// sixth. The value is digits × 10^exponent as the bands give them ("100" and 2 for brown,
// black, black, red); none where a band holds no colour of its place.
struct DecodedBands {
    std::string digits;
    int exponent;
    std::uint32_t hundredths;
    std::optional<std::uint32_t> ppm;
};
std::optional<DecodedBands> decodeBands(std::span<const Colour> bands);

// The band colour of a name in small letters ("červená", "růžová"), by the reference palettes'
// names; none for another name.
std::optional<Colour> colourNamed(std::string_view name);

}  // namespace pruhomat::testing::reference
