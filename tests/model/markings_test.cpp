#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "markings.h"
#include "reference_markings.h"
#include "reference_reading.h"

namespace pruhomat {
namespace {

namespace reference = testing::reference;

std::string_view nameOf(std::optional<Colour> colour) { return colour ? ColourCode::info(*colour).name : ""; }

TEST(Markings, TablesAreThePublishedOnes) {
    ASSERT_EQ(toleranceMarkings().size(), reference::toleranceMarks.size());
    for (std::size_t row = 0; row < reference::toleranceMarks.size(); ++row) {
        const auto& [hundredths, colour, letter] = reference::toleranceMarks[row];
        EXPECT_EQ(toleranceMarkings()[row].tolerance, Tolerance{hundredths});
        EXPECT_EQ(nameOf(toleranceMarkings()[row].colour), colour) << hundredths;
        EXPECT_EQ(toleranceOfLetter(letter), Tolerance{hundredths}) << letter;
    }
    for (const auto& [ppm, colour] : reference::coefficientMarks) {
        EXPECT_EQ(nameOf(coefficientColour(ppm)), colour) << ppm;
    }
    EXPECT_FALSE(coefficientColour(33));
    for (const auto& [letter, exponent] : reference::e96Multipliers) {
        EXPECT_EQ(e96Multiplier(letter), exponent) << letter;
        EXPECT_EQ(e96Multiplier(static_cast<char>(letter - 'A' + 'a')), exponent) << letter;
    }
}

// Every value of up to three digits from 0,1 Ω to 99 MΩ: each code written for it reads back
// as it by the tests' own reading, the printed code with each tolerance letter too; SMD codes
// have three or four characters, and an E96 code the first letter of its power.
TEST(Markings, EveryWrittenCodeReadsBackAsItsValue) {
    for (std::uint64_t significant = 1; significant <= 999; ++significant) {
        for (int exponent = -3; exponent <= 6; ++exponent) {
            const TypedValue value{significant, exponent};
            if (significant % 10 == 0 || !readValue(valueWithUnit(significant, exponent, ",")).value) {
                continue;
            }
            for (const auto& mark : reference::toleranceMarks) {
                const std::string printed = printedCode(value, Tolerance{mark.hundredths});
                const ValueReading reading = reference::readValue(printed);
                ASSERT_TRUE(reading.value == value && reading.tolerance == Tolerance{mark.hundredths}) << printed;
                ASSERT_GE(printed.size(), 4u) << printed << ": two digits at least";
            }
            for (const std::string& code : {smdCode(value, 2), smdCode(value, 3), e96Code(value)}) {
                const ValueReading reading = reference::readValue(code);
                ASSERT_TRUE(code.empty() || reading.value == value || reading.asCode == value) << code;
                ASSERT_TRUE(code.empty() || code.size() == 3 || code.size() == 4) << code;
            }
            const std::string digits = std::to_string(significant) + std::string(3 - std::to_string(significant).size(), '0');
            const int digitsExponent = exponent - static_cast<int>(3 - std::to_string(significant).size());
            const bool e96 = std::ranges::count(reference::e96, std::stoi(digits)) == 1 && digitsExponent >= -3 && digitsExponent <= 5;
            ASSERT_EQ(e96Code(value).empty(), !e96) << significant << "e" << exponent;
            const auto firstOfPower = std::ranges::find(reference::e96Multipliers, digitsExponent, &reference::MultiplierMark::exponent);
            ASSERT_TRUE(!e96 || e96Code(value).back() == firstOfPower->letter) << e96Code(value);
            ASSERT_EQ(smdCode(value, 2).empty(), significant > 99 && significant % 10 != 0) << significant;
        }
    }
}

}  // namespace
}  // namespace pruhomat
