#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pruhomat {

// The twelve colours of the main window's code, then pink: the ×0,001 multiplier that precision
// parts carry, which the markings read and write and no palette offers.
enum class Colour : std::uint8_t { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Gold, Silver, Pink };

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct ColourInfo {
    Colour colour;
    std::string_view name;
    std::optional<int> digit;
    std::optional<int> exponent;
    Rgb swatch;
    Rgb band;
};

// The four ways the palette frame can be labelled; each band accepts exactly one of them.
enum class PaletteMode : std::uint8_t { Digit, Exponent4Band, Exponent5Band, Tolerance };

// What one palette position offers in one mode: the colour, the value it stands for there and that value as text.
struct PaletteEntry {
    Colour colour;
    int value;
    std::string valueText;
};

class ColourCode {
public:
    static constexpr std::size_t colourCount = 12;
    static constexpr std::size_t paletteSize = 10;

    // One of the twelve; pink is none of them.
    static const ColourInfo& info(Colour colour);
    static const std::array<ColourInfo, colourCount>& all();

    // The entry at palette position 0..9 in the given mode; empty where the mode hides the position.
    static std::optional<PaletteEntry> paletteEntry(PaletteMode mode, std::size_t position);
    // The palette position that offers the value in the given mode; empty where none does.
    static std::optional<std::size_t> positionOf(PaletteMode mode, double value);
};

}  // namespace pruhomat
