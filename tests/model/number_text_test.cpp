#include <gtest/gtest.h>

#include "number_text.h"

namespace {

using pruhomat::numberAsText;

TEST(NumberAsText, DropsTrailingZerosAndABareSeparator) {
    EXPECT_EQ(numberAsText(10.0, ","), "10");
    EXPECT_EQ(numberAsText(10.10, ","), "10,1");
    EXPECT_EQ(numberAsText(0.0, ","), "0");
}

TEST(NumberAsText, KeepsTheLeadingZeroBelowOne) {
    EXPECT_EQ(numberAsText(0.47, ","), "0,47");
    EXPECT_EQ(numberAsText(0.1, "."), "0.1");
}

TEST(NumberAsText, WritesLargeWholeNumbersWithoutGrouping) {
    EXPECT_EQ(numberAsText(99000000.0, ","), "99000000");
    EXPECT_EQ(numberAsText(123456789012345.0, ","), "123456789012345");
}

TEST(NumberAsText, RoundsToFifteenSignificantDigits) {
    EXPECT_EQ(numberAsText(0.1 + 0.2, ","), "0,3");
    EXPECT_EQ(numberAsText(1.23 * 1000 / 1000, ","), "1,23");
}

TEST(NumberAsText, UsesTheWholeSeparatorGiven) {
    EXPECT_EQ(numberAsText(9.99, "٫"), "9٫99");
}

}  // namespace
