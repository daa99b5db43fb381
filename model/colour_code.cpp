#include "colour_code.h"

#include "tolerance.h"

namespace pruhomat {
namespace {

using enum Colour;

constexpr std::optional<int> none = std::nullopt;

constexpr std::array<ColourInfo, ColourCode::colourCount> colourTable{{
    // colour, name,    digit, exponent, swatch,             band drawing
    {Black, "Černá", 0, 0, {0x00, 0x00, 0x00}, {0x00, 0x00, 0x00}},
    {Brown, "Hnědá", 1, 1, {0x80, 0x40, 0x00}, {0x7F, 0x3F, 0x00}},
    {Red, "Červená", 2, 2, {0xFF, 0x00, 0x00}, {0xFF, 0x00, 0x00}},
    {Orange, "Oranžová", 3, 3, {0xFF, 0x80, 0x00}, {0xFF, 0x7F, 0x00}},
    {Yellow, "Žlutá", 4, 4, {0xFF, 0xFF, 0x00}, {0xFF, 0xFF, 0x00}},
    {Green, "Zelená", 5, 5, {0x00, 0xC0, 0x00}, {0x00, 0xBF, 0x00}},
    {Blue, "Modrá", 6, 6, {0x00, 0x00, 0xFF}, {0x00, 0x00, 0xFF}},
    {Violet, "Fialová", 7, none, {0xC0, 0x00, 0xC0}, {0xBF, 0x00, 0xBF}},
    {Grey, "Šedá", 8, none, {0x80, 0x80, 0x80}, {0x7F, 0x7F, 0x7F}},
    {White, "Bílá", 9, none, {0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF}},
    {Gold, "Zlatá", none, -1, {0xFF, 0xFF, 0xC0}, {0xFF, 0xFF, 0xBF}},
    {Silver, "Stříbrná", none, -2, {0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF}},
}};

using PaletteColumn = std::array<std::optional<Colour>, ColourCode::paletteSize>;

constexpr std::optional<Colour> hidden = std::nullopt;

// The digit and exponent palettes; position 0 is the top row. The tolerance palette is the
// tolerances the main window offers, in the order of the table of tolerances.
constexpr std::array<PaletteColumn, 3> palettePositions{{
    {Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White},
    {Black, Brown, Red, Orange, Yellow, Green, Blue, Gold, Silver, hidden},
    {Black, Brown, Red, Orange, Yellow, Gold, Silver, hidden, hidden, hidden},
}};

std::optional<PaletteEntry> tolerancePaletteEntry(std::size_t position) {
    for (const ToleranceMarking& marking : toleranceMarkings()) {
        if (marking.inMainWindow && position-- == 0) {
            const int percent = *marking.tolerance.wholePercent();
            return PaletteEntry{*marking.colour, percent, std::to_string(percent)};
        }
    }
    return std::nullopt;
}

}  // namespace

const ColourInfo& ColourCode::info(Colour colour) { return colourTable.at(static_cast<std::size_t>(colour)); }

const std::array<ColourInfo, ColourCode::colourCount>& ColourCode::all() { return colourTable; }

std::optional<PaletteEntry> ColourCode::paletteEntry(PaletteMode mode, std::size_t position) {
    if (position >= paletteSize) {
        return std::nullopt;
    }
    if (mode == PaletteMode::Tolerance) {
        return tolerancePaletteEntry(position);
    }
    const std::optional<Colour> colour = palettePositions.at(static_cast<std::size_t>(mode))[position];
    if (!colour) {
        return std::nullopt;
    }
    const ColourInfo& offered = info(*colour);
    const std::optional<int> value = mode == PaletteMode::Digit ? offered.digit : offered.exponent;
    if (!value) {
        return std::nullopt;
    }
    return PaletteEntry{*colour, *value, std::to_string(*value)};
}

std::optional<std::size_t> ColourCode::positionOf(PaletteMode mode, double value) {
    for (std::size_t position = 0; position < paletteSize; ++position) {
        const auto entry = paletteEntry(mode, position);
        if (entry && entry->value == value) {
            return position;
        }
    }
    return std::nullopt;
}

}  // namespace pruhomat
