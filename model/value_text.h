#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pruhomat {

// A resistance as typed: significant × 10^exponent ohms, the significant digits without
// trailing zeros (47 and 2 for 4,7 kΩ).
struct TypedValue {
    std::uint64_t significant = 0;
    int exponent = 0;

    int digits() const;
    friend bool operator==(const TypedValue&, const TypedValue&) = default;
};

enum class ValueProblem : std::uint8_t { Empty, TooLong, NotANumber, Negative, Zero, TooManyDigits, BelowRange, AboveRange };

// A value, or why the text gives none; with a value, the tolerance where the text ends in one
// ("±5 %").
struct ValueReading {
    std::optional<TypedValue> value;
    ValueProblem problem = ValueProblem::Empty;
    std::optional<std::uint8_t> tolerance;
};

inline constexpr std::size_t longestValueText = 32;  // characters

// Reads "470", "0,47", "4.7", "4,7k", "4.7 kΩ", "100 ohm", "1 kohm" and the RKM code ("4k7",
// "0R47", "R47", "470R", "47R5"), with a tolerance after it as the result row is copied:
// "4,7 kΩ ±5 %". Spaces anywhere are ignored, the no-break ones between digit groups too; a
// comma and a full stop are both the decimal separator; "-" and "−" make it negative. µ or u
// (micro), m (milli) and G (giga) are read too, so that such a value is out of range rather
// than no number. The value must lie from 0,1 Ω to 99 MΩ with at most three significant digits.
ValueReading readValue(std::string_view text);

// significant × 10^exponent ohms as the result row writes it, with its unit: "4,7 kΩ", "0,1 Ω".
std::string valueWithUnit(std::uint64_t significant, int exponent, std::string_view decimalSeparator);

}  // namespace pruhomat
