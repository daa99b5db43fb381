#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tolerance.h"

namespace pruhomat {

// A typed marking split into its value and what follows it: "4k7 ±0,25 % 50 ppm/K".
struct MarkingParts {
    std::string value;
    std::optional<Tolerance> tolerance;
    std::optional<std::uint32_t> coefficient;
};

// The plain, no-break and narrow no-break spaces that may stand anywhere in a value.
std::string withPlainSpaces(std::string_view text);
std::string withoutSpaces(std::string_view text);

// The parts of a text with plain spaces; none where a tolerance or coefficient is malformed.
std::optional<MarkingParts> markingPartsOf(std::string_view text);

// "0,25" or "5": at most three whole digits and two decimals.
std::optional<Tolerance> toleranceNumber(std::string_view text);

}  // namespace pruhomat
