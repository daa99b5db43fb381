#include "drawing.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace pruhomat::drawing {
namespace {

std::size_t pixelIndex(const Image& image, int x, int y) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") lies outside the picture");
    }
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) + static_cast<std::size_t>(x);
}

Rgb paletteColour(std::span<const PaletteColour> palette, char symbol) {
    const auto entry = std::ranges::find(palette, symbol, &PaletteColour::symbol);
    if (entry == palette.end()) {
        throw std::invalid_argument(std::string("symbol '") + symbol + "' is missing from the palette");
    }
    return entry->colour;
}

}  // namespace

Image filledImage(int width, int height, Rgb colour) {
    return {width, height, std::vector<Rgb>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), colour)};
}

void setPixel(Image& image, int x, int y, Rgb colour) { image.pixels[pixelIndex(image, x, y)] = colour; }

void fillRectangle(Image& image, int left, int top, int right, int bottom, Rgb colour) {
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            setPixel(image, x, y, colour);
        }
    }
}

Image imageFromCharacterMap(std::span<const std::string_view> rows, std::span<const PaletteColour> palette) {
    const int width = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    Image image = filledImage(width, static_cast<int>(rows.size()), black);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        if (static_cast<int>(rows[y].size()) != width) {
            throw std::invalid_argument("row " + std::to_string(y) + " of a character map has the wrong width");
        }
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            setPixel(image, static_cast<int>(x), static_cast<int>(y), paletteColour(palette, rows[y][x]));
        }
    }
    return image;
}

void stamp(Image& image, int left, int top, std::span<const std::string_view> rows, Rgb colour) {
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            if (rows[y][x] == '#') {
                setPixel(image, left + static_cast<int>(x), top + static_cast<int>(y), colour);
            }
        }
    }
}

}  // namespace pruhomat::drawing
