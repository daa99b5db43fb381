#pragma once

#include <cstdint>

#include "images.h"

// The drawing of each picture; images.cpp builds each one once and keeps it.
namespace pruhomat::drawing {

// A body strip crossed by a band of the colour's band drawing colour.
Image bandStrip(Colour colour);
// The body strip with no band on it.
Image plainStrip();
// The wider strip of the tolerance band: 1, 2, 5 or 10 per cent.
Image toleranceStrip(int percent);

Image leftEnd();
Image rightEnd();

enum class UnitPrefix : std::uint8_t { None, Kilo, Mega };
Image unitSymbol(UnitPrefix prefix);

Image arrow();

// 16 and 32 pixels square.
Image smallWindowIcon();
Image largeWindowIcon();

Image penguin();

}  // namespace pruhomat::drawing
