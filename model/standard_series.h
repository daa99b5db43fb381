#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace pruhomat {

// The preferred values of IEC 60063, as published: each series lists its values in a decade, to
// two significant digits (E3 to E24) or three (E48 to E192).
struct StandardSeries {
    std::string_view name;  // "E24"
    int digits;             // significant digits of its entries
    std::span<const std::uint16_t> values;
};

// E3, E6, E12, E24, E48, E96 and E192, in that order.
std::span<const StandardSeries> standardSeries();

// A value, given by its significant digits without trailing zeros (47 for 4,7 kΩ and for 470 Ω),
// is in a series when those digits, scaled into its decade, are one of the series' entries.
bool isInSeries(const StandardSeries& series, std::uint64_t significant);

// The series' nearest entries below and above a value that is not one of them, as significant
// digits and a power of ten: entry × 10^exponent ohms.
struct SeriesValue {
    std::uint64_t entry = 0;
    int exponent = 0;
};
std::pair<SeriesValue, SeriesValue> neighboursIn(const StandardSeries& series, std::uint64_t significant,
                                                  int exponent);

// How far a series value lies from significant × 10^exponent ohms, (neighbour − value) / value,
// in tenths of a percent rounded half away from zero, worked out on whole numbers so that no
// rounding of binary fractions shows: 43 against 46 is −65 (−6,5 %).
std::int64_t deviationInTenths(const SeriesValue& neighbour, std::uint64_t significant, int exponent);

}  // namespace pruhomat
