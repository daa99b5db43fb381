#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "colour_code.h"

namespace pruhomat {

// The palette frame's captions, the only record of the palette shown.
inline constexpr std::string_view digitPaletteCaption = "Paleta";
inline constexpr std::string_view exponentPaletteCaption = "Paleta - Exponent";
inline constexpr std::string_view tolerancePaletteCaption = "Paleta - Přesnost";

// Band pictures are named p, the band and the digit of their colour (p3gold and p3silver where
// there is none); tolerance pictures pp and the percent.
std::string bandPictureName(std::uint8_t band, const PaletteEntry& entry);

}  // namespace pruhomat
