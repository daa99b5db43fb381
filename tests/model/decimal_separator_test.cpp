#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "decimal_separator.h"

namespace {

class RegionalDecimalSeparator : public ::testing::Test {
protected:
    void TearDown() override {
        unsetenv("LC_ALL");
        unsetenv("LOCPATH");
        std::setlocale(LC_ALL, "C");
    }
};

TEST_F(RegionalDecimalSeparator, IsAPointUnderTheCLocale) {
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(pruhomat::regionalDecimalSeparator(), ".");
}

TEST_F(RegionalDecimalSeparator, IsACommaUnderCzechSettings) {
    setenv("LOCPATH", TEST_LOCALE_DIR, 1);
    setenv("LC_ALL", "cs_CZ.UTF-8", 1);
    EXPECT_EQ(pruhomat::regionalDecimalSeparator(), ",");
}

}  // namespace
