// Every resistor the bands can form, checked against a caption worked out on decimal digits alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "reference.h"
#include "result.h"

namespace {

using pruhomat::BandCount;
using pruhomat::ResistorState;
using pruhomat::Unit;

using pruhomat::testing::reference::UnitShown;
using pruhomat::testing::reference::valueOf;

// The unit picture the program shows, named as the reference names it.
UnitShown shown(Unit unit) {
    return unit == Unit::Ohm ? UnitShown::Ohm : unit == Unit::KiloOhm ? UnitShown::KiloOhm : UnitShown::MegaOhm;
}

std::vector<int> multipliers(BandCount bandCount) {
    std::vector<int> exponents{-2, -1};
    const int top = bandCount == BandCount::Four ? 6 : 4;
    for (int exponent = 0; exponent <= top; ++exponent) {
        exponents.push_back(exponent);
    }
    return exponents;
}

TEST(AllCombinations, FourBandResistorsShowTheirValue) {
    for (int first = 1; first <= 9; ++first) {
        for (int second = 0; second <= 9; ++second) {
            for (const int exponent : multipliers(BandCount::Four)) {
                ResistorState state;
                state.num1 = static_cast<std::uint8_t>(first);
                state.num2 = static_cast<std::uint8_t>(second);
                state.num3 = exponent;
                const auto expected = valueOf(static_cast<std::uint64_t>(10 * first + second), exponent, ",");
                const auto result = pruhomat::computeResult(state, BandCount::Four, ",");
                EXPECT_EQ(result.valueCaption, expected.caption) << first << second << " e" << exponent;
                EXPECT_EQ(shown(result.unit), expected.unit) << first << second << " e" << exponent;
            }
        }
    }
}

TEST(AllCombinations, FiveBandResistorsShowTheirValue) {
    for (int first = 1; first <= 9; ++first) {
        for (int second = 0; second <= 9; ++second) {
            for (int third = 0; third <= 9; ++third) {
                for (const int exponent : multipliers(BandCount::Five)) {
                    ResistorState state;
                    state.num1 = static_cast<std::uint8_t>(first);
                    state.num2 = static_cast<std::uint8_t>(second);
                    state.num3 = third;
                    state.num4 = exponent;
                    const auto significant = static_cast<std::uint64_t>(100 * first + 10 * second + third);
                    const auto expected = valueOf(significant, exponent, ",");
                    const auto result = pruhomat::computeResult(state, BandCount::Five, ",");
                    EXPECT_EQ(result.valueCaption, expected.caption) << significant << " e" << exponent;
                    EXPECT_EQ(shown(result.unit), expected.unit) << significant << " e" << exponent;
                    EXPECT_EQ(result.num3, third);
                }
            }
        }
    }
}

}  // namespace
