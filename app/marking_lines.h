#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "colour_code.h"
#include "component_bands.h"
#include "tolerance.h"
#include "value_text.h"

namespace pruhomat {

// A band colour as it reads inside a sentence: "červená", "růžová".
std::string colourName(Colour colour);

// "žlutá, fialová, červená".
std::string joined(const std::vector<std::string>& parts);
std::string bandNames(std::span<const Colour> bands);

// "4,7 kΩ ±5 % 50 ppm/K".
std::string markingText(const TypedValue& value, Tolerance tolerance, std::optional<std::uint32_t> coefficient,
                        std::string_view separator);

// What older parts meant by the tolerance's band, or carried for it: " (dříve ±0,05 %)" after
// grey's ±0,01 %, " (dříve šedá)" after ±0,05 %; empty for the others.
std::string olderMarkingNote(Tolerance tolerance, std::string_view separator);

// "obráceně: 120 Ω ±1 % (stejně pravděpodobné)".
std::string otherEndLine(const OtherEnd& otherEnd, std::string_view separator);

// What a band of the colour stands for in its role: "2", "×0,1", "±0,1 %", "50 ppm/K".
std::string bandMeaning(Colour colour, BandRole role, std::string_view separator);

}  // namespace pruhomat
