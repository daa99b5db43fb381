#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "bands_for_value.h"
#include "result.h"
#include "value_text.h"

namespace {

using pruhomat::BandCount;
using pruhomat::ResistorState;
using pruhomat::TypedValue;
using pruhomat::ValueProblem;

TEST(ValueText, ReadsNumbersPrefixesUnitsAndTheRkmCode) {
    const std::vector<std::pair<std::string, TypedValue>> forms{
        {"470", {47, 1}},      {"4700", {47, 2}},     {"0,47", {47, -2}},   {"4.7", {47, -1}},
        {"4,7k", {47, 2}},     {"4.7 kΩ", {47, 2}},   {"2,2 M", {22, 5}},   {"10 Ω", {1, 1}},
        {"100 ohm", {1, 2}},   {"1 kohm", {1, 3}},    {"4k7", {47, 2}},     {"4K7", {47, 2}},
        {"1M5", {15, 5}},      {"0R47", {47, -2}},    {"R47", {47, -2}},    {"470R", {47, 1}},
        {"47R5", {475, -1}},   {" 4 k 7 ", {47, 2}},  {"99M", {99, 6}},     {"0,1", {1, -1}},
        {"1 OHM", {1, 0}},     {"4,75 kΩ", {475, 1}}, {"1000 m", {1, 0}},   {"22Ω", {22, 0}},
        {"470 m", {47, -2}},   {"10 \u2126", {1, 1}},  {std::string(29, '0') + "47", {47, 0}},
        // Digit groups apart with no-break spaces, and the result row as copied.
        {"1\u00a0000", {1, 3}}, {"2\u202f200 \u2126", {22, 2}}, {"4,7 kΩ ±5 %", {47, 2}}, {"1k±10", {1, 3}},
        {"4.r", {4, 0}},
    };
    for (const auto& [text, expected] : forms) {
        const auto reading = pruhomat::readValue(text);
        ASSERT_TRUE(reading.value) << text;
        EXPECT_EQ(*reading.value, expected) << text;
        EXPECT_EQ(reading.tolerance, text.find("±") == std::string::npos ? std::nullopt
                                     : std::optional(pruhomat::Tolerance::percent(text.ends_with("10") ? 10 : 5)))
            << text;
    }
    EXPECT_FALSE(pruhomat::readValue("4.r").asCode);
}

TEST(ValueText, SaysWhyATextIsNoValue) {
    const std::vector<std::pair<std::string, ValueProblem>> problems{
        {"", ValueProblem::Empty},
        {"   ", ValueProblem::Empty},
        {"1.2.3", ValueProblem::NotANumber},
        {"4k7kk", ValueProblem::NotANumber},
        {"abc", ValueProblem::NotANumber},
        {"1e3", ValueProblem::NotANumber},
        {"k", ValueProblem::NotANumber},
        {"-47", ValueProblem::Negative},
        {"\u22124k7", ValueProblem::Negative},
        {"4k7 ±", ValueProblem::NotANumber},
        {"4k7 ±5 % %", ValueProblem::NotANumber},
        {"±5 %", ValueProblem::NotANumber},
        {"4k7 ±1000 %", ValueProblem::NotANumber},
        {"4,7 µ", ValueProblem::BelowRange},
        {"470u", ValueProblem::BelowRange},
        {"1 \u03bc\u03a9", ValueProblem::BelowRange},
        {"0", ValueProblem::Zero},
        {"0R0", ValueProblem::Zero},
        {"4,752 kΩ", ValueProblem::TooManyDigits},
        {"0,09", ValueProblem::BelowRange},
        {"47 m", ValueProblem::BelowRange},
        {"100M", ValueProblem::AboveRange},
        {"99,5M", ValueProblem::AboveRange},
        {"1G", ValueProblem::AboveRange},
        {std::string(33, '1'), ValueProblem::TooLong},
        {std::string(30, ' ') + "4k7", ValueProblem::TooLong},
    };
    for (const auto& [text, expected] : problems) {
        const auto reading = pruhomat::readValue(text);
        EXPECT_FALSE(reading.value) << text;
        EXPECT_EQ(reading.problem, expected) << text;
    }
}

TEST(BandsForValue, PickTheBandCountByDigitsAndTolerance) {
    const auto fourK7 = pruhomat::bandsFor(*pruhomat::readValue("4k7").value, 5);
    ASSERT_TRUE(fourK7);
    EXPECT_EQ(fourK7->count, BandCount::Four);
    EXPECT_EQ(fourK7->state.num1, 4);
    EXPECT_EQ(fourK7->state.num2, 7);
    EXPECT_EQ(fourK7->state.num3, 2) << "red multiplier";
    EXPECT_EQ(fourK7->state.num5, 5);

    const auto precise = pruhomat::bandsFor(*pruhomat::readValue("4,75k").value, 1);
    ASSERT_TRUE(precise);
    EXPECT_EQ(precise->count, BandCount::Five);
    EXPECT_EQ(precise->state.num3, 5);
    EXPECT_EQ(precise->state.num4, 1);

    EXPECT_EQ(pruhomat::bandsFor(*pruhomat::readValue("1k").value, 1)->count, BandCount::Five);
    EXPECT_EQ(pruhomat::bandsFor(*pruhomat::readValue("0,1").value, 1)->count, BandCount::Four)
        << "five bands start at 1 Ω";
    EXPECT_EQ(pruhomat::bandsFor(*pruhomat::readValue("99M").value, 2)->count, BandCount::Four);
    const auto belowOne = pruhomat::bandsFor(*pruhomat::readValue("0,47").value, 1);
    ASSERT_TRUE(belowOne) << "0,47 Ω at 1 % takes four bands, five having no multiplier for it";
    EXPECT_TRUE(belowOne->count == BandCount::Four && belowOne->state.num1 == 4 && belowOne->state.num2 == 7 &&
                belowOne->state.num3 == -2 && belowOne->state.num5 == 1);
    EXPECT_FALSE(pruhomat::bandsFor(*pruhomat::readValue("0,475").value, 1)) << "three digits below 1 Ω";
    EXPECT_FALSE(pruhomat::bandsFor(*pruhomat::readValue("4k7").value, 3)) << "no band carries 3 %";
}

TEST(ValueText, WritesAValueWithItsUnitAsTheResultRowDoes) {
    EXPECT_EQ(pruhomat::valueWithUnit(47, 2, ","), "4,7 kΩ");
    EXPECT_EQ(pruhomat::valueWithUnit(1, -1, ","), "0,1 Ω");
    EXPECT_EQ(pruhomat::valueWithUnit(999, 0, "."), "999 Ω");
    EXPECT_EQ(pruhomat::valueWithUnit(1, 3, ","), "1 kΩ");
    EXPECT_EQ(pruhomat::valueWithUnit(99, 6, ","), "99 MΩ");
    EXPECT_EQ(pruhomat::valueWithUnit(475, 1, ","), "4,75 kΩ");
    EXPECT_EQ(pruhomat::valueWithUnit(1, 6, ","), "1 MΩ");
}

// Every resistor band entry makes, written as the result row shows it, reads back to the same
// value; with the band count the rule picks for it, to the same bands.
TEST(BandsForValue, EveryDrawnResistorReadsBackFromItsResult) {
    std::vector<std::pair<BandCount, ResistorState>> drawn;
    for (std::uint8_t first = 1; first <= 9; ++first) {
        for (std::uint8_t second = 0; second <= 9; ++second) {
            for (const std::uint8_t tolerance : {1, 2, 5, 10}) {
                for (int exponent = -2; exponent <= 6; ++exponent) {
                    drawn.push_back({BandCount::Four, {0, first, second, double(exponent), -2, tolerance}});
                }
                for (int third = 0; third <= 9; ++third) {
                    for (int exponent = -2; exponent <= 4; ++exponent) {
                        drawn.push_back(
                            {BandCount::Five, {0, first, second, double(third), double(exponent), tolerance}});
                    }
                }
            }
        }
    }
    for (const auto& [count, state] : drawn) {
        const auto shown = pruhomat::computeResult(state, count, ",");
        const std::string text = shown.valueCaption + " " + std::string(pruhomat::unitSymbol(shown.unit));
        const auto reading = pruhomat::readValue(text);
        ASSERT_TRUE(reading.value) << text;
        const auto bands = pruhomat::bandsFor(*reading.value, state.num5);
        ASSERT_TRUE(bands) << text;
        const auto again = pruhomat::computeResult(bands->state, bands->count, ",");
        ASSERT_EQ(again.valueCaption + " " + std::string(pruhomat::unitSymbol(again.unit)), text);
        ASSERT_EQ(pruhomat::valueWithUnit(reading.value->significant, reading.value->exponent, ","), text);
        if (bands->count == count) {
            const ResistorState& read = bands->state;
            ASSERT_TRUE(read.num1 == state.num1 && read.num2 == state.num2 && read.num3 == state.num3 &&
                        read.num5 == state.num5 && (count == BandCount::Four || read.num4 == state.num4))
                << text;
        }
    }
}

}  // namespace
