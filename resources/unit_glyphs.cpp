#include <array>
#include <string_view>

#include "drawing.h"
#include "pictures.h"

namespace pruhomat::drawing {
namespace {

constexpr int unitWidth = unitSymbolSize.width;
constexpr int unitHeight = unitSymbolSize.height;
constexpr int glyphTop = 8;
constexpr int omegaAloneLeft = 8;
constexpr int omegaAfterPrefixLeft = 20;
constexpr int kiloLeft = 8;
constexpr int megaLeft = 4;

constexpr std::array<std::string_view, 14> omega{
    "...######...",
    ".##########.",
    ".###....###.",
    "###......###",
    "##........##",
    "##........##",
    "##........##",
    "##........##",
    "###......###",
    ".###....###.",
    "..##....##..",
    "..###..###..",
    "#####..#####",
    "#####..#####",
};

constexpr std::array<std::string_view, 14> kilo{
    "###.......",
    "###.......",
    "###.......",
    "###.......",
    "###...####",
    "###..####.",
    "###.####..",
    "#######...",
    "######....",
    "#######...",
    "###.####..",
    "###..####.",
    "###...####",
    "###....###",
};

constexpr std::array<std::string_view, 14> mega{
    "###........###",
    "####......####",
    "#####....#####",
    "######..######",
    "###.######.###",
    "###..####..###",
    "###...##...###",
    "###........###",
    "###........###",
    "###........###",
    "###........###",
    "###........###",
    "###........###",
    "###........###",
};

}  // namespace

Image unitSymbol(UnitPrefix prefix) {
    Image picture = filledImage(unitWidth, unitHeight, imageBackground);
    switch (prefix) {
        case UnitPrefix::None:
            stamp(picture, omegaAloneLeft, glyphTop, omega, black);
            break;
        case UnitPrefix::Kilo:
            stamp(picture, kiloLeft, glyphTop, kilo, black);
            stamp(picture, omegaAfterPrefixLeft, glyphTop, omega, black);
            break;
        case UnitPrefix::Mega:
            stamp(picture, megaLeft, glyphTop, mega, black);
            stamp(picture, omegaAfterPrefixLeft, glyphTop, omega, black);
            break;
    }
    return picture;
}

}  // namespace pruhomat::drawing
