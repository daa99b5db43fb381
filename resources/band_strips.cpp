#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "drawing.h"
#include "pictures.h"

namespace pruhomat::drawing {
namespace {

constexpr int bandStripWidth = bandStripSize.width;
constexpr int toleranceStripWidth = toleranceStripSize.width;
constexpr int bandWidth = 11;
constexpr int toleranceBandShift = 4;

// The band's left edge column in each body row from the top: the band bulges to the left.
constexpr int firstBandRow = bodyTopOutline + 1;
constexpr std::array<int, bodyBottomOutline - firstBandRow> bandLeftEdge{
    6, 5, 4, 4, 3, 3, 3, 3, 2, 2, 2, 2, 2,        // rows 20-32
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // rows 33-47
    2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 5, 6,        // rows 48-60
};

enum class BandEdge : std::uint8_t { None, Black };

struct ToleranceBand {
    int percent;
    Rgb colour;
    BandEdge edge;
};

constexpr std::array<ToleranceBand, 4> toleranceBands{{
    {1, {0x4D, 0x4D, 0x26}, BandEdge::None},
    {2, {0xFF, 0x00, 0x00}, BandEdge::None},
    {5, {0xF7, 0xFB, 0xE8}, BandEdge::Black},
    {10, {0xFF, 0xFF, 0xFF}, BandEdge::Black},
}};

// Pink is none of the code's colours: a precision part's ×0,001 band, drawn in the dialog alone.
constexpr Rgb pinkBand{0xFF, 0x8C, 0xC6};

Rgb bandColour(Colour colour) { return colour == Colour::Pink ? pinkBand : ColourCode::info(colour).band; }

BandEdge edgeOfBand(Colour colour) {
    const bool unedged = colour == Colour::Black || colour == Colour::Brown || colour == Colour::Orange;
    return unedged ? BandEdge::None : BandEdge::Black;
}

Image bodyStrip(int width) {
    Image strip = filledImage(width, resistorHeight, imageBackground);
    fillRectangle(strip, 0, bodyTopOutline, width - 1, bodyTopOutline, black);
    fillRectangle(strip, 0, firstBandRow, width - 1, bodyBottomOutline - 1, bodyColour);
    fillRectangle(strip, 0, bodyBottomOutline, width - 1, bodyBottomOutline, black);
    return strip;
}

void drawBand(Image& strip, int shift, Rgb colour, BandEdge edge) {
    for (std::size_t row = 0; row < bandLeftEdge.size(); ++row) {
        const int y = firstBandRow + static_cast<int>(row);
        const int left = bandLeftEdge[row] + shift;
        const int right = left + bandWidth - 1;
        fillRectangle(strip, left, y, right, y, colour);
        if (edge == BandEdge::Black) {
            setPixel(strip, left, y, black);
            setPixel(strip, right, y, black);
        }
    }
}

}  // namespace

Image bandStrip(Colour colour) {
    Image strip = bodyStrip(bandStripWidth);
    drawBand(strip, 0, bandColour(colour), edgeOfBand(colour));
    return strip;
}

Image plainStrip() { return bodyStrip(bandStripWidth); }

Image toleranceStrip(int percent) {
    for (const ToleranceBand& band : toleranceBands) {
        if (band.percent == percent) {
            Image strip = bodyStrip(toleranceStripWidth);
            drawBand(strip, toleranceBandShift, band.colour, band.edge);
            return strip;
        }
    }
    throw std::invalid_argument("no tolerance band of " + std::to_string(percent) + " %");
}

}  // namespace pruhomat::drawing
