#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "result.h"

namespace {

using pruhomat::BandCount;
using pruhomat::computeResult;
using pruhomat::ResistorState;
using pruhomat::Unit;

ResistorState fiveBands(int first, int second, double third, double exponent, int tolerance = 10) {
    ResistorState state;
    state.num1 = static_cast<std::uint8_t>(first);
    state.num2 = static_cast<std::uint8_t>(second);
    state.num3 = third;
    state.num4 = exponent;
    state.num5 = static_cast<std::uint8_t>(tolerance);
    return state;
}

ResistorState fourBands(int first, int second, double exponent, int tolerance = 10) {
    // num4 is not read with four bands; a value that would be wrong as a multiplier proves it.
    return fiveBands(first, second, exponent, 99, tolerance);
}

struct Example {
    const char* name;
    ResistorState state;
    BandCount bandCount;
    double resistance;
    const char* caption;
    Unit unit;
};

void PrintTo(const Example& example, std::ostream* out) { *out << example.name; }

class ResultExamples : public ::testing::TestWithParam<Example> {};

TEST_P(ResultExamples, ShowTheValueWithItsUnit) {
    const Example& example = GetParam();
    const auto result = computeResult(example.state, example.bandCount, ",");
    EXPECT_DOUBLE_EQ(result.resistance, example.resistance);
    EXPECT_EQ(result.valueCaption, example.caption);
    EXPECT_EQ(result.unit, example.unit);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(WorkedExamples, ResultExamples, ::testing::Values(
    Example{"StateAtLoad", ResistorState{}, BandCount::Five, 9.99, "9,99", Unit::Ohm},
    Example{"RedRedBlackBlack", fiveBands(2, 2, 0, 0), BandCount::Five, 220, "220", Unit::Ohm},
    Example{"BrownBlackBlackGold", fiveBands(1, 0, 0, -1), BandCount::Five, 10, "10", Unit::Ohm},
    Example{"BrownBlackBrownGold", fiveBands(1, 0, 1, -1), BandCount::Five, 10.1, "10,1", Unit::Ohm},
    Example{"BrownRedOrangeBrown", fiveBands(1, 2, 3, 1), BandCount::Five, 1230, "1,23", Unit::KiloOhm},
    Example{"YellowVioletBlackOrange", fiveBands(4, 7, 0, 3), BandCount::Five, 470000, "470", Unit::KiloOhm},
    Example{"BrownBlackRed", fourBands(1, 0, 2), BandCount::Four, 1000, "1", Unit::KiloOhm},
    Example{"YellowVioletOrange", fourBands(4, 7, 3), BandCount::Four, 47000, "47", Unit::KiloOhm},
    Example{"RedRedGold", fourBands(2, 2, -1), BandCount::Four, 2.2, "2,2", Unit::Ohm},
    Example{"YellowVioletSilver", fourBands(4, 7, -2), BandCount::Four, 0.47, "0,47", Unit::Ohm},
    Example{"BrownBlackBlue", fourBands(1, 0, 6), BandCount::Four, 10000000, "10", Unit::MegaOhm}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Ranges, ResultExamples, ::testing::Values(
    Example{"FourBandSmallest", fourBands(1, 0, -2), BandCount::Four, 0.1, "0,1", Unit::Ohm},
    Example{"FourBandLargest", fourBands(9, 9, 6), BandCount::Four, 99000000, "99", Unit::MegaOhm},
    Example{"FiveBandSmallest", fiveBands(1, 0, 0, -2), BandCount::Five, 1, "1", Unit::Ohm},
    Example{"FiveBandLargest", fiveBands(9, 9, 9, 4), BandCount::Five, 9990000, "9,99", Unit::MegaOhm}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(UnitBoundaries, ResultExamples, ::testing::Values(
    Example{"LargestOhms", fiveBands(9, 9, 9, 0), BandCount::Five, 999, "999", Unit::Ohm},
    Example{"OneKiloOhm", fiveBands(1, 0, 0, 1), BandCount::Five, 1000, "1", Unit::KiloOhm},
    Example{"LargestKiloOhms", fiveBands(9, 9, 9, 3), BandCount::Five, 999000, "999", Unit::KiloOhm},
    Example{"OneMegaOhm", fiveBands(1, 0, 0, 4), BandCount::Five, 1000000, "1", Unit::MegaOhm},
    Example{"OneMegaOhmFourBands", fourBands(1, 0, 5), BandCount::Four, 1000000, "1", Unit::MegaOhm}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ResultTolerance, IsThePercentAsAPlainInteger) {
    for (const int percent : {1, 2, 5, 10}) {
        EXPECT_EQ(computeResult(fiveBands(1, 0, 0, 0, percent), BandCount::Five, ",").toleranceCaption,
                  std::to_string(percent));
    }
}

TEST(ResultSeparator, IsTheOneGiven) {
    EXPECT_EQ(computeResult(ResistorState{}, BandCount::Five, ".").valueCaption, "9.99");
    EXPECT_EQ(computeResult(fiveBands(1, 2, 3, 1), BandCount::Five, ".").valueCaption, "1.23");
    EXPECT_EQ(computeResult(fourBands(4, 7, -2), BandCount::Four, ",").valueCaption, "0,47");
}

TEST(ResultRepairs, StateAtLoadSwitchedToFourBandsReadsTheThirdBandAsSilver) {
    const auto result = computeResult(fourBands(9, 9, -2), BandCount::Four, ",");
    EXPECT_EQ(result.valueCaption, "0,99");
    EXPECT_EQ(result.unit, Unit::Ohm);
    EXPECT_EQ(result.num3, -2);
}

TEST(ResultRepairs, SilverThirdBandReadsAsNineWhateverTheMultiplier) {
    const auto silverMultiplier = computeResult(fiveBands(9, 9, -2, -2), BandCount::Five, ",");
    EXPECT_EQ(silverMultiplier.valueCaption, "9,99");
    EXPECT_EQ(silverMultiplier.unit, Unit::Ohm);
    EXPECT_EQ(silverMultiplier.num3, 9);

    const auto redMultiplier = computeResult(fiveBands(4, 7, -2, 2), BandCount::Five, ",");
    EXPECT_DOUBLE_EQ(redMultiplier.resistance, 47900);
    EXPECT_EQ(redMultiplier.valueCaption, "47,9");
    EXPECT_EQ(redMultiplier.unit, Unit::KiloOhm);
    EXPECT_EQ(redMultiplier.num3, 9);
}

TEST(ResultRepairs, GoldThirdBandGivesZeroAndStaysGold) {
    for (const double exponent : {-2.0, -1.0, 0.0, 3.0}) {
        const auto result = computeResult(fiveBands(4, 7, -1, exponent), BandCount::Five, ",");
        EXPECT_EQ(result.resistance, 0);
        EXPECT_EQ(result.valueCaption, "0");
        EXPECT_EQ(result.unit, Unit::Ohm);
        EXPECT_EQ(result.num3, -1);
    }
}

TEST(ResultRepairs, ThirdDigitIsLeftAloneWithFourBandsOrAValidDigit) {
    EXPECT_EQ(computeResult(fiveBands(1, 0, 5, -2), BandCount::Five, ",").num3, 5);
    EXPECT_EQ(computeResult(fourBands(1, 0, -1), BandCount::Four, ",").num3, -1);
}

TEST(ResultInvalidState, GivesZeroOhms) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const ResistorState invalid[] = {
        fourBands(4, 7, 7),        fourBands(4, 7, -3),       fourBands(4, 7, 2.5),      fourBands(4, 7, nan),
        fourBands(4, 7, infinity), fiveBands(4, 7, 0, 5),     fiveBands(4, 7, 0, 6),     fiveBands(4, 7, 0, -0.5),
        fiveBands(4, 7, 0, nan),   fiveBands(4, 7, 10, 0),    fiveBands(4, 7, 8.5, 0),   fiveBands(4, 7, -infinity, 0),
        fiveBands(255, 7, 0, 4),   fiveBands(4, 255, 0, 4),
    };
    for (const auto& state : invalid) {
        const BandCount bandCount = state.num4 == 99 ? BandCount::Four : BandCount::Five;
        const auto result = computeResult(state, bandCount, ",");
        EXPECT_EQ(result.resistance, 0) << state.num3 << " " << state.num4;
        EXPECT_EQ(result.valueCaption, "0");
        EXPECT_EQ(result.unit, Unit::Ohm);
    }
}

TEST(ResultInvalidState, LargestByteDigitsWithFourBandsStayInRange) {
    const auto result = computeResult(fourBands(255, 255, 6, 255), BandCount::Four, ",");
    EXPECT_EQ(result.resistance, 0);
    EXPECT_EQ(result.toleranceCaption, "255");
}

}  // namespace
