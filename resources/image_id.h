#pragma once

#include <cstddef>
#include <cstdint>

#include "colour_code.h"

namespace pruhomat {

// Every picture the windows show. A band strip exists for each band drawing colour; silver
// and the plain silver band of band 4 use the white strip, since they are drawn alike. Pink,
// which only the value dialog's part carries, comes last of the strips.
enum class ImageId : std::uint8_t {
    NoImage,
    BandBlack,
    BandBrown,
    BandRed,
    BandOrange,
    BandYellow,
    BandGreen,
    BandBlue,
    BandViolet,
    BandGrey,
    BandWhite,
    BandGold,
    PlainStrip,
    Tolerance1,
    Tolerance2,
    Tolerance5,
    Tolerance10,
    LeftEnd,
    RightEnd,
    UnitOhm,
    UnitKiloOhm,
    UnitMegaOhm,
    Arrow,
    Penguin,
    BandPink,
};

inline constexpr std::size_t imageCount = static_cast<std::size_t>(ImageId::BandPink) + 1;

// The band strip of a colour: the strips follow the code's order from black to gold, silver is
// drawn white.
constexpr ImageId bandImage(Colour colour) {
    switch (colour) {
        case Colour::Silver:
            return ImageId::BandWhite;
        case Colour::Pink:
            return ImageId::BandPink;
        default:
            return static_cast<ImageId>(static_cast<int>(ImageId::BandBlack) + static_cast<int>(colour));
    }
}

}  // namespace pruhomat
