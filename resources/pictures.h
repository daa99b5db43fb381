#pragma once

#include <cstdint>

#include "images.h"

// The drawing of each picture; images.cpp builds each one once and keeps it.
namespace pruhomat::drawing {

// Each picture's size, known without drawing it, so that a window can lay out pictures it
// does not show yet.
struct PictureSize {
    int width;
    int height;
};
inline constexpr int resistorHeight = 82;
inline constexpr PictureSize bandStripSize{19, resistorHeight};
inline constexpr PictureSize toleranceStripSize{24, resistorHeight};
inline constexpr PictureSize leftEndSize{57, resistorHeight};
inline constexpr PictureSize rightEndSize{55, resistorHeight};
inline constexpr PictureSize unitSymbolSize{38, 26};
inline constexpr PictureSize arrowSize{24, 30};
inline constexpr PictureSize penguinSize{63, 60};

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
