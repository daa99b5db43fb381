// Every resistor the bands can form, checked against a caption derived here with integer
// arithmetic on decimal digits alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "result.h"

namespace {

using pruhomat::BandCount;
using pruhomat::ResistorState;
using pruhomat::Unit;

struct Expected {
    std::string caption;
    Unit unit;
};

// significant × 10^exponent ohms, written with the given number of decimal places, trailing zeros cut.
std::string decimalText(std::uint64_t hundredthsOfUnit, int fractionDigits) {
    std::string digits = std::to_string(hundredthsOfUnit);
    if (static_cast<int>(digits.size()) <= fractionDigits) {
        digits.insert(0, static_cast<std::size_t>(fractionDigits + 1) - digits.size(), '0');
    }
    std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(fractionDigits));
    std::string fraction = digits.substr(whole.size());
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return fraction.empty() ? whole : whole + "," + fraction;
}

Expected expectedFor(std::uint64_t significant, int exponent) {
    std::uint64_t hundredthsOfOhm = significant;
    for (int step = 0; step < exponent + 2; ++step) {
        hundredthsOfOhm *= 10;
    }
    if (hundredthsOfOhm < 1000 * 100) {
        return {decimalText(hundredthsOfOhm, 2), Unit::Ohm};
    }
    if (hundredthsOfOhm < 1000000 * 100) {
        return {decimalText(hundredthsOfOhm, 5), Unit::KiloOhm};
    }
    return {decimalText(hundredthsOfOhm, 8), Unit::MegaOhm};
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
                const auto expected = expectedFor(static_cast<std::uint64_t>(10 * first + second), exponent);
                const auto result = pruhomat::computeResult(state, BandCount::Four, ",");
                EXPECT_EQ(result.valueCaption, expected.caption) << first << second << " e" << exponent;
                EXPECT_EQ(result.unit, expected.unit) << first << second << " e" << exponent;
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
                    const auto expected = expectedFor(significant, exponent);
                    const auto result = pruhomat::computeResult(state, BandCount::Five, ",");
                    EXPECT_EQ(result.valueCaption, expected.caption) << significant << " e" << exponent;
                    EXPECT_EQ(result.unit, expected.unit) << significant << " e" << exponent;
                    EXPECT_EQ(result.num3, third);
                }
            }
        }
    }
}

}  // namespace
