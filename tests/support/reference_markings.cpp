#include "reference_markings.h"

#include <algorithm>
#include <string>
#include <utility>

#include "reference.h"

namespace pruhomat::testing::reference {

const std::array<ToleranceMark, 11> toleranceMarks{{
    {1, "Šedá", 'L'},
    {2, "Žlutá", 'P'},
    {5, "Oranžová", 'W'},
    {10, "Fialová", 'B'},
    {25, "Modrá", 'C'},
    {50, "Zelená", 'D'},
    {100, "Hnědá", 'F'},
    {200, "Červená", 'G'},
    {500, "Zlatá", 'J'},
    {1000, "Stříbrná", 'K'},
    {2000, "", 'M'},
}};

const std::array<CoefficientMark, 9> coefficientMarks{{
    {250, "Černá"}, {100, "Hnědá"}, {50, "Červená"}, {15, "Oranžová"}, {25, "Žlutá"},
    {20, "Zelená"}, {10, "Modrá"}, {5, "Fialová"}, {1, "Šedá"},
}};

const std::array<std::uint16_t, 96> e96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

const std::array<MultiplierMark, 12> e96Multipliers{{
    {'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0},
    {'B', 1}, {'H', 1}, {'C', 2}, {'D', 3}, {'E', 4}, {'F', 5},
}};

namespace {

using enum Colour;

struct BandMeaning {
    Colour colour;
    std::optional<int> digit;
    std::optional<int> multiplier;
    std::optional<std::uint32_t> hundredths;
    std::optional<std::uint32_t> ppm;
};

constexpr std::optional<int> noDigit;
constexpr std::optional<std::uint32_t> noneOf;

constexpr std::array<BandMeaning, 13> meanings{{
    {Black, 0, 0, noneOf, 250}, {Brown, 1, 1, 100, 100}, {Red, 2, 2, 200, 50},
    {Orange, 3, 3, 5, 15},      {Yellow, 4, 4, 2, 25},   {Green, 5, 5, 50, 20},
    {Blue, 6, 6, 25, 10},       {Violet, 7, 7, 10, 5},   {Grey, 8, 8, 1, 1},
    {White, 9, 9, noneOf, noneOf}, {Gold, noDigit, -1, 500, noneOf}, {Silver, noDigit, -2, 1000, noneOf},
    {Pink, noDigit, -3, noneOf, noneOf},
}};

const BandMeaning& meaningOf(Colour colour) { return *std::ranges::find(meanings, colour, &BandMeaning::colour); }

}  // namespace

std::optional<Colour> colourNamed(std::string_view name) {
    for (int digit = 0; digit <= 9; ++digit) {
        if (colourName(PaletteMode::Digit, digit) == name) {
            return static_cast<Colour>(digit);
        }
    }
    const std::array<std::pair<std::string, Colour>, 3> others{
        {{colourName(PaletteMode::Tolerance, 5), Gold}, {colourName(PaletteMode::Tolerance, 10), Silver}, {"růžová", Pink}}};
    const auto found = std::ranges::find(others, name, &std::pair<std::string, Colour>::first);
    return found == others.end() ? std::nullopt : std::optional(found->second);
}

std::optional<DecodedBands> decodeBands(std::span<const Colour> bands) {
    if (bands.size() < 3 || bands.size() > 6) {
        return std::nullopt;
    }
    const std::size_t digitCount = bands.size() >= 5 ? 3 : 2;
    DecodedBands decoded{"", 0, 2000, std::nullopt};
    for (std::size_t band = 0; band < digitCount; ++band) {
        const auto digit = meaningOf(bands[band]).digit;
        if (!digit || (band == 0 && digit == 0)) {
            return std::nullopt;
        }
        decoded.digits += static_cast<char>('0' + *digit);
    }
    const auto multiplier = meaningOf(bands[digitCount]).multiplier;
    const auto tolerance = bands.size() > 3 ? meaningOf(bands[digitCount + 1]).hundredths : std::optional(2000u);
    decoded.ppm = bands.size() == 6 ? meaningOf(bands[5]).ppm : std::nullopt;
    if (!multiplier || !tolerance || (bands.size() == 6 && !decoded.ppm)) {
        return std::nullopt;
    }
    decoded.exponent = *multiplier;
    decoded.hundredths = *tolerance;
    return decoded;
}

}  // namespace pruhomat::testing::reference
