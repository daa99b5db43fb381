#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "decimal_separator.h"

namespace {

// Takes a locale into the process as the program's main does, and gives "C" back afterwards.
class RegionalDecimalSeparator : public ::testing::Test {
protected:
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(RegionalDecimalSeparator, IsAPointUnderTheCLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    EXPECT_EQ(pruhomat::regionalDecimalSeparator(), ".");
}

TEST_F(RegionalDecimalSeparator, IsACommaUnderCzechSettings) {
    ASSERT_NE(std::setlocale(LC_ALL, "cs_CZ.UTF-8"), nullptr) << "the test's locale directory is " TEST_LOCALE_DIR;
    EXPECT_EQ(pruhomat::regionalDecimalSeparator(), ",");
}

}  // namespace
