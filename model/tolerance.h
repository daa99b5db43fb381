#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "colour_code.h"

namespace pruhomat {

// A tolerance in hundredths of a percent, so that 0,05 % and 0,25 % are held exactly.
struct Tolerance {
    std::uint32_t hundredths = 0;

    static constexpr Tolerance percent(std::uint32_t whole) { return {whole * 100}; }
    // The whole percent the main window's tolerance band holds, where it is one.
    std::optional<std::uint8_t> wholePercent() const;
    friend constexpr auto operator<=>(const Tolerance&, const Tolerance&) = default;
};

// "0,05", "1", "20": the number without its percent sign.
std::string toleranceText(Tolerance tolerance, std::string_view decimalSeparator);

// A tolerance of IEC 60062: its band colour (none for 20 %, which has no band), the letter
// printed after a code ("4K7J"), the standard series its parts are made in, the colour older
// parts carried for it where that was another, and whether the main window offers it.
struct ToleranceMarking {
    Tolerance tolerance;
    std::optional<Colour> colour;
    char letter;
    std::string_view series;
    std::optional<Colour> olderColour;
    bool inMainWindow;
};

// 0,01 % to 20 %, rising: the value dialog's list, and in this order the main window's palette.
std::span<const ToleranceMarking> toleranceMarkings();
std::optional<ToleranceMarking> markingOf(Tolerance tolerance);
// The letter in either case: "4K7J" and "4k7j".
std::optional<Tolerance> toleranceOfLetter(char letter);
// What a tolerance band of the colour reads as today.
std::optional<ToleranceMarking> markingOfBand(Colour colour);
// The tolerance older parts marked with this one's colour: ±0,05 % for grey.
std::optional<Tolerance> olderMeaningOf(Tolerance tolerance);

}  // namespace pruhomat
