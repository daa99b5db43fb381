#include "colour_code.h"

namespace pruhomat {
namespace {

using enum Colour;

constexpr std::optional<int> none = std::nullopt;

constexpr std::array<ColourInfo, ColourCode::colourCount> colourTable{{
    // colour, name,    digit, exponent, tolerance, swatch,              band drawing
    {Black, "Černá", 0, 0, none, {0x00, 0x00, 0x00}, {0x00, 0x00, 0x00}},
    {Brown, "Hnědá", 1, 1, 1, {0x80, 0x40, 0x00}, {0x7F, 0x3F, 0x00}},
    {Red, "Červená", 2, 2, 2, {0xFF, 0x00, 0x00}, {0xFF, 0x00, 0x00}},
    {Orange, "Oranžová", 3, 3, none, {0xFF, 0x80, 0x00}, {0xFF, 0x7F, 0x00}},
    {Yellow, "Žlutá", 4, 4, none, {0xFF, 0xFF, 0x00}, {0xFF, 0xFF, 0x00}},
    {Green, "Zelená", 5, 5, none, {0x00, 0xC0, 0x00}, {0x00, 0xBF, 0x00}},
    {Blue, "Modrá", 6, 6, none, {0x00, 0x00, 0xFF}, {0x00, 0x00, 0xFF}},
    {Violet, "Fialová", 7, none, none, {0xC0, 0x00, 0xC0}, {0xBF, 0x00, 0xBF}},
    {Grey, "Šedá", 8, none, none, {0x80, 0x80, 0x80}, {0x7F, 0x7F, 0x7F}},
    {White, "Bílá", 9, none, none, {0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF}},
    {Gold, "Zlatá", none, -1, 5, {0xFF, 0xFF, 0xC0}, {0xFF, 0xFF, 0xBF}},
    {Silver, "Stříbrná", none, -2, 10, {0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF}},
}};

using PaletteColumn = std::array<std::optional<Colour>, ColourCode::paletteSize>;

constexpr std::optional<Colour> hidden = std::nullopt;

// Indexed by PaletteMode; position 0 is the top row.
constexpr std::array<PaletteColumn, 4> palettePositions{{
    {Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White},
    {Black, Brown, Red, Orange, Yellow, Green, Blue, Gold, Silver, hidden},
    {Black, Brown, Red, Orange, Yellow, Gold, Silver, hidden, hidden, hidden},
    {Brown, Red, Gold, Silver, hidden, hidden, hidden, hidden, hidden, hidden},
}};

std::optional<int> valueInMode(const ColourInfo& colour, PaletteMode mode) {
    switch (mode) {
        case PaletteMode::Digit:
            return colour.digit;
        case PaletteMode::Exponent4Band:
        case PaletteMode::Exponent5Band:
            return colour.exponent;
        case PaletteMode::Tolerance:
            return colour.tolerance;
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
    const std::optional<Colour> colour = palettePositions.at(static_cast<std::size_t>(mode))[position];
    if (!colour) {
        return std::nullopt;
    }
    const std::optional<int> value = valueInMode(info(*colour), mode);
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
