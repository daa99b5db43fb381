#pragma once

#include <span>
#include <string_view>

#include "images.h"
#include "pictures.h"

// Tools and shared colours for drawing the pictures; not part of the library's interface.
namespace pruhomat::drawing {

inline constexpr Rgb black{0x00, 0x00, 0x00};
inline constexpr Rgb white{0xFF, 0xFF, 0xFF};
inline constexpr Rgb bodyColour{0xE4, 0xFE, 0xD1};

// The resistor is assembled from pictures laid side by side; they share their height
// (resistorHeight) and the rows of the body's outline so that the pieces join seamlessly.
inline constexpr int bodyTopOutline = 19;
inline constexpr int bodyBottomOutline = 61;

Image filledImage(int width, int height, Rgb colour);

void setPixel(Image& image, int x, int y, Rgb colour);

// Corners are inclusive.
void fillRectangle(Image& image, int left, int top, int right, int bottom, Rgb colour);

struct PaletteColour {
    char symbol;
    Rgb colour;
};

// A picture given as rows of symbols, one symbol per pixel, each one found in the palette.
Image imageFromCharacterMap(std::span<const std::string_view> rows, std::span<const PaletteColour> palette);

// Paints the '#' pixels of the rows, with the first row's first symbol at (left, top);
// every other symbol leaves the picture as it was.
void stamp(Image& image, int left, int top, std::span<const std::string_view> rows, Rgb colour);

}  // namespace pruhomat::drawing
