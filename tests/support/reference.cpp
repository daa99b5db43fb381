#include "reference.h"

#include <array>
#include <cstdio>
#include <string>

namespace pruhomat::testing::reference {
namespace {

const Palette digitPalette{
    "Černá 0 000000", "Hnědá 1 804000",  "Červená 2 FF0000", "Oranžová 3 FF8000", "Žlutá 4 FFFF00",
    "Zelená 5 00C000", "Modrá 6 0000FF", "Fialová 7 C000C0", "Šedá 8 808080",     "Bílá 9 FFFFFF",
};
const Palette exponent4BandPalette{
    "Černá 0 000000",  "Hnědá 1 804000",  "Červená 2 FF0000", "Oranžová 3 FF8000",   "Žlutá 4 FFFF00",
    "Zelená 5 00C000", "Modrá 6 0000FF", "Zlatá -1 FFFFC0",  "Stříbrná -2 FFFFFF", "",
};
const Palette exponent5BandPalette{
    "Černá 0 000000", "Hnědá 1 804000",       "Červená 2 FF0000", "Oranžová 3 FF8000", "Žlutá 4 FFFF00",
    "Zlatá -1 FFFFC0", "Stříbrná -2 FFFFFF", "",                 "",                  "",
};
const Palette tolerancePalette{
    "Hnědá 1 804000", "Červená 2 FF0000", "Zlatá 5 FFFFC0", "Stříbrná 10 FFFFFF", "", "", "", "", "", "",
};

// A whole number of 10^-fractionDigits units, written with its fraction's trailing zeros cut.
std::string decimalText(std::uint64_t units, std::size_t fractionDigits, const std::string& separator) {
    std::string digits = std::to_string(units);
    if (digits.size() <= fractionDigits) {
        digits.insert(0, fractionDigits + 1 - digits.size(), '0');
    }
    const std::string whole = digits.substr(0, digits.size() - fractionDigits);
    std::string fraction = digits.substr(whole.size());
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return fraction.empty() ? whole : whole + separator + fraction;
}

bool isDigit(double value) {
    for (int digit = 0; digit <= 9; ++digit) {
        if (value == digit) {
            return true;
        }
    }
    return false;
}

}  // namespace

const Palette& palette(PaletteMode mode) {
    switch (mode) {
        case PaletteMode::Exponent4Band:
            return exponent4BandPalette;
        case PaletteMode::Exponent5Band:
            return exponent5BandPalette;
        case PaletteMode::Tolerance:
            return tolerancePalette;
        case PaletteMode::Digit:
        default:
            return digitPalette;
    }
}

std::string colourName(PaletteMode mode, double value) {
    for (const std::string& entry : palette(mode)) {
        std::string name = entry.substr(0, entry.find(' '));
        if (!entry.empty() && std::stod(entry.substr(name.size() + 1)) == value) {
            // Č, Š and Ž stand just before their small letters; the other capitals are ASCII.
            static_cast<unsigned char>(name[0]) >= 0x80 ? ++name[1] : name[0] += 'a' - 'A';
            return name;
        }
    }
    return {};
}

Rgb bandDrawing(Colour colour) {
    // In the order of Colour: black, brown, red, orange, yellow, green, blue, violet, grey,
    // white, gold, silver.
    constexpr std::array<Rgb, 12> drawn{{{0x00, 0x00, 0x00}, {0x7F, 0x3F, 0x00}, {0xFF, 0x00, 0x00}, {0xFF, 0x7F, 0x00},
                                         {0xFF, 0xFF, 0x00}, {0x00, 0xBF, 0x00}, {0x00, 0x00, 0xFF}, {0xBF, 0x00, 0xBF},
                                         {0x7F, 0x7F, 0x7F}, {0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xBF}, {0xFF, 0xFF, 0xFF}}};
    return drawn.at(static_cast<std::size_t>(colour));
}

std::string hex(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", colour.red, colour.green, colour.blue);
    return text;
}

// In thousandths of an ohm, the smallest step a part's bands make (pink, ×0,001).
Value valueOf(std::uint64_t significant, int exponent, const std::string& decimalSeparator) {
    std::uint64_t thousandthsOfOhm = significant;
    for (int step = 0; step < exponent + 3; ++step) {
        thousandthsOfOhm *= 10;
    }
    if (thousandthsOfOhm < 1000 * 1000) {
        return {decimalText(thousandthsOfOhm, 3, decimalSeparator), UnitShown::Ohm};
    }
    if (thousandthsOfOhm < 1000000 * 1000) {
        return {decimalText(thousandthsOfOhm, 6, decimalSeparator), UnitShown::KiloOhm};
    }
    return {decimalText(thousandthsOfOhm, 9, decimalSeparator), UnitShown::MegaOhm};
}

Value valueOf(const ResistorState& state, BandCount bandCount, const std::string& decimalSeparator) {
    const bool five = bandCount == BandCount::Five;
    const double third = five && state.num3 == -2 ? 9 : state.num3;
    const double exponent = five ? state.num4 : third;
    const int topExponent = five ? 4 : 6;
    const bool exponentOffered = exponent == -1 || exponent == -2 || (isDigit(exponent) && exponent <= topExponent);
    if (!isDigit(state.num1) || !isDigit(state.num2) || (five && !isDigit(third)) || !exponentOffered) {
        return {"0", UnitShown::Ohm};
    }
    std::uint64_t significant = 10U * state.num1 + state.num2;
    if (five) {
        significant = 10 * significant + static_cast<std::uint64_t>(third);
    }
    return valueOf(significant, static_cast<int>(exponent), decimalSeparator);
}

std::string withUnit(const Value& value) {
    constexpr std::array<const char*, 3> units{" Ω", " kΩ", " MΩ"};
    return value.caption + units.at(static_cast<std::size_t>(value.unit));
}

std::string percentText(std::uint32_t hundredths, const std::string& decimalSeparator) {
    const std::string fraction = std::to_string(100 + hundredths % 100).substr(1);
    return std::to_string(hundredths / 100) +
           (fraction == "00" ? "" : decimalSeparator + (fraction.ends_with('0') ? fraction.substr(0, 1) : fraction));
}

}  // namespace pruhomat::testing::reference
