#include "standard_series.h"

#include <algorithm>
#include <array>

namespace pruhomat {
namespace {

constexpr std::array<std::uint16_t, 3> e3{10, 22, 47};
constexpr std::array<std::uint16_t, 6> e6{10, 15, 22, 33, 47, 68};
constexpr std::array<std::uint16_t, 12> e12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<std::uint16_t, 24> e24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                            33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<std::uint16_t, 48> e48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                            178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                            316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                            562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<std::uint16_t, 96> e96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<std::uint16_t, 192> e192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126,
    127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160,
    162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328,
    332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530,
    536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

constexpr std::array<StandardSeries, 7> series{{
    {"E3", 2, e3},
    {"E6", 2, e6},
    {"E12", 2, e12},
    {"E24", 2, e24},
    {"E48", 3, e48},
    {"E96", 3, e96},
    {"E192", 3, e192},
}};

// A value in the series' own number of digits: 47 becomes 470 for E96 and 4752 becomes 475
// there, with the power of ten that makes up for it, and whether nonzero digits were cut.
struct Scaled {
    std::uint64_t digits;
    int exponent;
    bool cut;
};

Scaled scaledToEntries(const StandardSeries& standard, std::uint64_t significant, int exponent) {
    Scaled scaled{significant, exponent, false};
    std::uint64_t smallest = 1;
    for (int digit = 1; digit < standard.digits; ++digit) {
        smallest *= 10;
    }
    while (scaled.digits < smallest) {
        scaled.digits *= 10;
        --scaled.exponent;
    }
    while (scaled.digits >= smallest * 10) {
        scaled.cut = scaled.cut || scaled.digits % 10 != 0;
        scaled.digits /= 10;
        ++scaled.exponent;
    }
    return scaled;
}

std::uint64_t timesTenTo(std::uint64_t number, int power) {
    for (; power > 0; --power) {
        number *= 10;
    }
    return number;
}

}  // namespace

std::span<const StandardSeries> standardSeries() { return series; }

std::int64_t deviationInTenths(const SeriesValue& neighbour, std::uint64_t significant, int exponent) {
    const int common = std::min(neighbour.exponent, exponent);
    const std::uint64_t there = timesTenTo(neighbour.entry, neighbour.exponent - common);
    const std::uint64_t here = timesTenTo(significant, exponent - common);
    const std::uint64_t difference = there > here ? there - here : here - there;
    const auto tenths = static_cast<std::int64_t>((2000 * difference + here) / (2 * here));
    return there > here ? tenths : -tenths;
}

bool isInSeries(const StandardSeries& standard, std::uint64_t significant) {
    if (significant == 0) {
        return false;
    }
    const Scaled scaled = scaledToEntries(standard, significant, 0);
    return !scaled.cut && std::ranges::binary_search(standard.values, static_cast<std::uint16_t>(scaled.digits));
}

std::pair<SeriesValue, SeriesValue> neighboursIn(const StandardSeries& standard, std::uint64_t significant,
                                                  int exponent) {
    const Scaled scaled = scaledToEntries(standard, significant, exponent);
    const auto values = standard.values;
    const auto key = static_cast<std::uint16_t>(scaled.digits);
    // A value with more digits than the entries lies between two of them whatever its last digits.
    const auto above = std::ranges::upper_bound(values, key);
    const auto below = scaled.cut ? above : std::ranges::lower_bound(values, key);
    const SeriesValue lower = below == values.begin() ? SeriesValue{values.back(), scaled.exponent - 1}
                                                      : SeriesValue{*(below - 1), scaled.exponent};
    const SeriesValue upper = above == values.end() ? SeriesValue{values.front(), scaled.exponent + 1}
                                                    : SeriesValue{*above, scaled.exponent};
    return {lower, upper};
}

}  // namespace pruhomat
