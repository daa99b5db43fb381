#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "standard_series.h"

namespace {

using pruhomat::isInSeries;
using pruhomat::StandardSeries;

const StandardSeries& named(const std::string& name) {
    const auto all = pruhomat::standardSeries();
    return *std::ranges::find(all, name, &StandardSeries::name);
}

TEST(StandardSeries, HaveTheirPublishedSizesAndEachHalvesTheNext) {
    const auto all = pruhomat::standardSeries();
    ASSERT_EQ(all.size(), 7u);
    const std::size_t sizes[] = {3, 6, 12, 24, 48, 96, 192};
    for (std::size_t index = 0; index < all.size(); ++index) {
        EXPECT_EQ(all[index].values.size(), sizes[index]) << all[index].name;
        EXPECT_TRUE(std::ranges::is_sorted(all[index].values)) << all[index].name;
    }
    // E3 to E24 and E48 to E192: each series is every other value of the next.
    for (const auto& [coarse, fine] : {std::pair{"E3", "E6"}, {"E6", "E12"}, {"E12", "E24"}, {"E48", "E96"},
                                       {"E96", "E192"}}) {
        for (std::size_t index = 0; index < named(coarse).values.size(); ++index) {
            EXPECT_EQ(named(coarse).values[index], named(fine).values[2 * index]) << coarse << " " << index;
        }
    }
}

TEST(StandardSeries, HoldThePublishedValuesWhereTheFormulaDiffers) {
    for (const std::uint64_t published : {27, 30, 33, 36, 39, 43, 47, 82}) {
        EXPECT_TRUE(isInSeries(named("E24"), published)) << published;
    }
    EXPECT_TRUE(isInSeries(named("E192"), 92));
    EXPECT_FALSE(isInSeries(named("E192"), 919));
    EXPECT_FALSE(isInSeries(named("E24"), 28));
}

TEST(StandardSeries, TakeAValueByItsSignificantDigitsInAnyDecade) {
    EXPECT_TRUE(isInSeries(named("E6"), 47));
    EXPECT_FALSE(isInSeries(named("E48"), 47));
    EXPECT_TRUE(isInSeries(named("E96"), 475));
    EXPECT_FALSE(isInSeries(named("E24"), 475));
    EXPECT_TRUE(isInSeries(named("E3"), 1)) << "1 Ω, 10 Ω and 100 kΩ are the decade's first value";
    EXPECT_TRUE(isInSeries(named("E192"), 1));
    EXPECT_FALSE(isInSeries(named("E192"), 4752)) << "more digits than any entry";
    EXPECT_FALSE(isInSeries(named("E3"), 0));
}

TEST(StandardSeries, NameTheNearestEntriesRoundAValueOffTheSeries) {
    const auto [below, above] = pruhomat::neighboursIn(named("E24"), 45, 2);  // 4,5 kΩ
    EXPECT_EQ(below.entry, 43u);
    EXPECT_EQ(below.exponent, 2);
    EXPECT_EQ(above.entry, 47u);
    // Across the end of a decade: 9,5 lies between 9,1 and 10.
    const auto [low, high] = pruhomat::neighboursIn(named("E24"), 95, -1);
    EXPECT_EQ(low.entry, 91u);
    EXPECT_EQ(high.entry, 10u);
    EXPECT_EQ(high.exponent, 0);
    // 4,752 kΩ in E96: between 4,75 and 4,87 kΩ.
    const auto [under, over] = pruhomat::neighboursIn(named("E96"), 4752, 0);
    EXPECT_EQ(under.entry, 475u);
    EXPECT_EQ(under.exponent, 1);
    EXPECT_EQ(over.entry, 487u);
    // 1,05 in E24 lies between 1,0 and 1,1.
    const auto [first, second] = pruhomat::neighboursIn(named("E24"), 105, -2);
    EXPECT_EQ(first.entry, 10u);
    EXPECT_EQ(first.exponent, -1);
    EXPECT_EQ(second.entry, 11u);
}

}  // namespace
