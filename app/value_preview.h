#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "bands_for_value.h"

namespace pruhomat {

// What the value dialog shows of a typed value, in three lines, and the resistor it draws.
struct ValuePreview {
    std::string value;   // "4,7 kΩ ±5 %", or why there is nothing to draw
    std::string bands;   // "žlutá, fialová, červená, zlatá"
    std::string series;  // "řady E6, E12, E24", or the nearest values of E24 and E96
    std::optional<DrawnResistor> drawn;
    std::optional<std::uint8_t> typedTolerance;  // where the text gives one ("±5 %")
};

// The tolerance typed after the value, if any, overrides the one chosen.
ValuePreview previewValue(std::string_view text, std::uint8_t tolerance, std::string_view decimalSeparator);

}  // namespace pruhomat
