#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

}  // namespace pruhomat
