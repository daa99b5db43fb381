#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "colour_code.h"
#include "tolerance.h"
#include "value_text.h"

namespace pruhomat {

// What a part's bands say: its value, its tolerance and the temperature coefficient (ppm/K) of
// a sixth band.
struct PartMarking {
    TypedValue value;
    Tolerance tolerance;
    std::optional<std::uint32_t> coefficient;

    friend bool operator==(const PartMarking&, const PartMarking&) = default;
};

// The bands a part carries, to IEC 60062: three for ±20 % (two digits and the multiplier),
// four for at most two digits at ±5 or ±10 %, five for three digits or a finer tolerance, six
// with a coloured coefficient. Empty where no bands show it: three digits at ±20 %, a
// tolerance the code lacks.
std::vector<Colour> partBands(const TypedValue& value, Tolerance tolerance, std::optional<std::uint32_t> coefficient);

// What 3 to 6 bands read as from the first: digits, the multiplier, the tolerance and the
// coefficient in their places. None where a band holds no colour its place takes or the first
// digit is black; readBands also where the value is not one the dialog reads.
std::optional<PartMarking> decodeBands(std::span<const Colour> bands);
std::optional<PartMarking> readBands(std::span<const Colour> bands);

// What each band of a part with 3 to 6 bands stands for, first to last.
enum class BandRole : std::uint8_t { FirstDigit, Digit, Multiplier, Tolerance, Coefficient };
std::vector<BandRole> bandRoles(std::size_t count);

// The colours a band of the role offers on a part of `count` bands, in the order a list shows
// them: digits by value, the first never black; multipliers from silver to blue on three or four
// bands and from pink to green on five or six; tolerances and coefficients in the code's order.
std::vector<Colour> offeredColours(BandRole role, std::size_t count);

// The part's marking on `count` bands: its value in the digits they hold (rounded, or cut where
// rounding leaves the values the dialog reads), ±20 % on three bands, and a tolerance band of
// 5 % on four or 1 % on five or six where it had none; on six its coefficient, or 100 ppm/K.
std::vector<Colour> bandsWithCount(std::span<const Colour> bands, std::size_t count);

// Whether the reading from the other end is the likelier one. A reading is likely when its value
// is an E24 value or one of the series its tolerance calls for.
enum class Likelihood : std::uint8_t { Equal, Likelier, LessLikely };

struct OtherEnd {
    PartMarking marking;
    Likelihood likelihood;
};

// The bands read from the other end, where that is a marking and another than the forward one.
std::optional<OtherEnd> readBackwards(std::span<const Colour> bands);

}  // namespace pruhomat
