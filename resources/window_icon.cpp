#include <array>
#include <string_view>

#include "drawing.h"
#include "pictures.h"

namespace pruhomat::drawing {
namespace {

// Colours of the standard 16-colour palette, so the icon keeps them in 4 bits per pixel.
constexpr std::array<PaletteColour, 7> iconPalette{{
    {'B', {0x00, 0x00, 0x80}},  // frame
    {'.', {0xC0, 0xC0, 0xC0}},  // panel
    {'W', {0xFF, 0xFF, 0xFF}},  // panel's lit edge
    {'D', {0x80, 0x80, 0x80}},  // panel's shaded edge
    {'Y', {0xFF, 0xFF, 0x00}},  // bar
    {'O', {0x80, 0x80, 0x00}},  // bar's edge
    {'R', {0xFF, 0x00, 0x00}},  // exclamation mark
}};

constexpr std::array<std::string_view, 16> smallIcon{
    "BBBBBBBBBBBBBBBB",
    "BWWWWWWWWWWWWWWB",
    "BW............DB",
    "BW......RR....DB",
    "BW......RR....DB",
    "BW......RR....DB",
    "BW......RR....DB",
    "BW......RR....DB",
    "BW......RR....DB",
    "YW......RR....DB",
    "YY............DB",
    "YYY.....RR....DB",
    "YYYY....RR....DB",
    "BYYYY.........DB",
    "BWYYYYDDDDDDDDDB",
    "BBBYYYYBBBBBBBBB",
};

constexpr std::array<std::string_view, 32> largeIcon{
    "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
    "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
    "BBWWWWWWWWWWWWWWWWWWWWWWWWWWWWBB",
    "BBW..........................DBB",
    "BBW..........................DBB",
    "BBW...............RR.........DBB",
    "BBW..............RRRR........DBB",
    "BBW..............RRRR........DBB",
    "BBW..............RRRR........DBB",
    "BBW..............RRRR........DBB",
    "BBW..............RRRR........DBB",
    "BBW..............RRRR........DBB",
    "BBW..............RRRR........DBB",
    "BBW..............RRRR........DBB",
    "BBW..............RRRR........DBB",
    "BBW..............RRRR........DBB",
    "OBW..............RRRR........DBB",
    "YOW..............RRRR........DBB",
    "YYO...............RR.........DBB",
    "YYYO.........................DBB",
    "YYYYO........................DBB",
    "YYYYYO............RR.........DBB",
    "YYYYYYO..........RRRR........DBB",
    "YYYYYYYO.........RRRR........DBB",
    "YYYYYYYYO.........RR.........DBB",
    "OYYYYYYYYO...................DBB",
    "BOYYYYYYYYO..................DBB",
    "BBOYYYYYYYYO.................DBB",
    "BBWOYYYYYYYYO................DBB",
    "BBWDOYYYYYYYYODDDDDDDDDDDDDDDDBB",
    "BBBBBOYYYYYYYYOBBBBBBBBBBBBBBBBB",
    "BBBBBBOYYYYYYYYOBBBBBBBBBBBBBBBB",
};

}  // namespace

Image smallWindowIcon() { return imageFromCharacterMap(smallIcon, iconPalette); }

Image largeWindowIcon() { return imageFromCharacterMap(largeIcon, iconPalette); }

}  // namespace pruhomat::drawing
