#include "band_palettes.h"

namespace pruhomat {

PaletteMode paletteModeFor(std::uint8_t band, BandCount count) {
    switch (band) {
        case 3:
            return count == BandCount::Four ? PaletteMode::Exponent4Band : PaletteMode::Digit;
        case 4:
            return PaletteMode::Exponent5Band;
        case 5:
            return PaletteMode::Tolerance;
        default:
            return PaletteMode::Digit;
    }
}

bool hasBand(std::uint8_t band, BandCount count) { return band != 4 || count == BandCount::Five; }

std::array<double, bandPositions> bandValues(const ResistorState& state) {
    return {static_cast<double>(state.num1), static_cast<double>(state.num2), state.num3, state.num4,
            static_cast<double>(state.num5)};
}

}  // namespace pruhomat
