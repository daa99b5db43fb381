#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "result.h"
#include "tolerance.h"

namespace pruhomat {

// A resistance as typed: significant × 10^exponent ohms, the significant digits without
// trailing zeros (47 and 2 for 4,7 kΩ).
struct TypedValue {
    std::uint64_t significant = 0;
    int exponent = 0;

    int digits() const;
    friend bool operator==(const TypedValue&, const TypedValue&) = default;
};

enum class ValueProblem : std::uint8_t {
    Empty,
    TooLong,
    NotANumber,
    Negative,
    Zero,
    TooManyDigits,
    BelowRange,
    AboveRange,
    BeforeFirstE96,
    PastLastE96,
    ZeroTolerance,
};

// A value, or why the text gives none. A text that an SMD code reads as another value ("472",
// "4702", "10R") carries that value too, whether or not it reads as a value itself. With either,
// the tolerance and the temperature coefficient (ppm/K) where the text gives them.
struct ValueReading {
    std::optional<TypedValue> value;
    ValueProblem problem = ValueProblem::Empty;
    std::optional<Tolerance> tolerance;
    std::optional<std::uint32_t> coefficient;
    std::optional<TypedValue> asCode;
};

inline constexpr std::size_t longestValueText = 32;  // characters

// Reads "470", "0,47", "4.7", "4,7k", "4.7 kΩ", "100 ohm", "1 kohm", the RKM code ("4k7",
// "0R47", "R47", "470R", "47R5") with its tolerance letter ("4K7J") and the E96 code ("01C").
// A tolerance follows the value after "±" or, ending in "%", after a space ("4,7 kΩ ±5 %",
// "4k7 0,25%"), and a temperature coefficient after that ("10k 1% 50ppm"). Spaces inside the
// value are ignored, the no-break ones between digit groups too; a comma and a full stop are
// both the decimal separator; "-" and "−" make it negative. µ or u (micro), m (milli) and G
// (giga) are read too, so that such a value is out of range rather than no number. The value
// must lie from 0,1 Ω to 99 MΩ with at most three significant digits, and a tolerance is more
// than zero.
ValueReading readValue(std::string_view text);

// significant × 10^exponent ohms with the trailing zeros of its digits taken into the exponent
// (100 × 10² is 1 × 10⁴), where it is a value the dialog reads: from 0,1 Ω to 99 MΩ, at most
// three significant digits.
std::optional<TypedValue> readableValue(std::uint64_t significant, int exponent);

// A value split where the result row writes its unit: "4", "7" and kΩ for 4,7 kΩ.
struct UnitParts {
    std::string whole;
    std::string fraction;
    Unit unit = Unit::Ohm;
};
UnitParts unitPartsOf(std::uint64_t significant, int exponent);

// significant × 10^exponent ohms as the result row writes it, with its unit: "4,7 kΩ", "0,1 Ω".
std::string valueWithUnit(std::uint64_t significant, int exponent, std::string_view decimalSeparator);

}  // namespace pruhomat
