#pragma once

// The markings a resistor carries beyond the main window's bands, written out as published and
// apart from model/: tolerance colours and letters, temperature coefficient colours, the E96
// values in their numbering and the E96 code's multiplier letters.

#include <array>
#include <cstdint>
#include <string_view>

namespace pruhomat::testing::reference {

struct ToleranceMark {
    std::uint32_t hundredths;  // of a percent
    std::string_view colour;   // as the palette names it; empty for 20 %, which has no band
    char letter;
};
extern const std::array<ToleranceMark, 9> toleranceMarks;

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

}  // namespace pruhomat::testing::reference
