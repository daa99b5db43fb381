#pragma once

#include <cstdint>

namespace pruhomat {

// Every picture the windows show. A band strip exists for each band drawing colour; silver
// and the plain silver band of band 4 use the white strip, since they are drawn alike.
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
};

}  // namespace pruhomat
