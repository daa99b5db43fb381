#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "drawing.h"
#include "pictures.h"

namespace pruhomat::drawing {
namespace {

constexpr std::array<PaletteColour, 7> penguinPalette{{
    {'.', {0xFF, 0xFF, 0xFF}},  // background, belly, face and eyes
    {'K', {0x00, 0x00, 0x00}},  // body, flippers and pupils
    {'o', {0xFF, 0x99, 0x00}},  // beak and feet
    {'d', {0xCC, 0x66, 0x00}},  // lower beak and toes
    {'g', {0xA0, 0xA0, 0xA0}},  // laptop
    {'G', {0x60, 0x60, 0x60}},  // laptop's edges and base
    {'l', {0xDC, 0xDC, 0xDC}},  // lid's highlight and logo
}};

// A penguin sitting behind a laptop: we see the back of the lid, its flippers reach over the
// lid to the keyboard and its feet stick out below.
constexpr std::array<std::string_view, penguinSize.height> penguinAtLaptop{
    "...............................................................",
    "...............................................................",
    "...............................................................",
    "...............................................................",
    "..........................KKKKKKKKKKK..........................",
    "........................KKKKKKKKKKKKKKK........................",
    ".......................KKKKKKKKKKKKKKKKK.......................",
    "......................KKKKKKKKKKKKKKKKKKK......................",
    ".....................KKKKK..KKKKKKK..KKKKK.....................",
    "....................KKKKK....KKKKK....KKKKK....................",
    "...................KKKKK......KKK......KKKKK...................",
    "...................KKKKK......KKK......KKKKK...................",
    "...................KKKK....K...K..K.....KKKK...................",
    "..................KKKKK....KK..K..KK....KKKKK..................",
    "..................KKKKKK...KK.KKK.KK...KKKKKK..................",
    "..................KKKKKK...KK.KKK.KK...KKKKKK..................",
    "..................KKKKKKK....KKKKK....KKKKKKK..................",
    "..................KKKKKKKK..KKoooKK..KKKKKKKK..................",
    "..................KKKK.....ooooooooo.....KKKK..................",
    "...................KKK....ooooooooooo....KKK...................",
    "...................KKK....oooodddoooo....KKK...................",
    "...................KKK.....odddddddo.....KKK...................",
    "...................KKK......ddddddd......KKK...................",
    "..................KKKKK.......ddd.......KKKKK..................",
    ".................KKKKKKK...............KKKKKKK.................",
    "............KK..KKKKKKK.................KKKKKKK..KK............",
    "...........KKKKKKKKKKK...................KKKKKKKKKKK...........",
    "...........KKKKKKKKKK.....................KKKKKKKKKK...........",
    "...........KKKKKKKKKK.....................KKKKKKKKKK...........",
    "...........KKKKKKKKK.......................KKKKKKKKK...........",
    "............KKKKKKKK.......................KKKKKKKK............",
    "............KKKKKKKKK.....................KKKKKKKKK............",
    "............KKKKKKKKKK...................KKKKKKKKKK............",
    ".............KKKKKKKKK...................KKKKKKKKK.............",
    ".............KKKKKKKKKK.................KKKKKKKKKK.............",
    ".............KKKKKKKKKKGGGGGGGGGGGGGGGGGKKKKKKKKKK.............",
    ".............KGKKKKKKKKlllllllllllllllllKKKKKKKKGK.............",
    ".............KGlKKKKKKKKgggggggggggggggKKKKKKKKgGK.............",
    ".............KGlKKKKKKKKgggggggggggggggKKKKKKKKgGK.............",
    ".............KGlggKKKKKKgggggggggggggggKKKKKKgggGK.............",
    ".............KGlgggKKKKKgggggggggggggggKKKKKggggGK.............",
    "..............GlgggggKKggggggglllgggggggKKggggggG..............",
    "..............GlggggggggggggglllllggggggggggggggG..............",
    "..............GlgggggggggggglllllllgggggggggggggG..............",
    "..............GlgggggggggggglllllllgggggggggggggG..............",
    "..............GlggggggggggggglllllggggggggggggggG..............",
    "..............GlgggggggggggggglllgggggggggggggggG..............",
    "..............GlggggggggggggggggggggggggggggggggG..............",
    "..............GlggggggggggggggggggggggggggggggggG..............",
    "..............GlggggggggggggggggggggggggggggggggG..............",
    "..............GlggggggggggggggggggggggggggggggggG..............",
    "..............GlggggggggggggggggggggggggggggggggG..............",
    "..............GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG..............",
    "..........GgggggggggggggggggggggggggggggggggggggggggG..........",
    "..........GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG..........",
    "..........GGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGGG..........",
    "..............ooooooooooooo.........ooooooooooooo..............",
    "...............odooodooodo...........odooodooodo...............",
    "..................ooooo.................ooooo..................",
    "...............................................................",
};

static_assert(std::ranges::all_of(penguinAtLaptop, [](std::string_view row) { return row.size() == static_cast<std::size_t>(penguinSize.width); }));

}  // namespace

Image penguin() { return imageFromCharacterMap(penguinAtLaptop, penguinPalette); }

}  // namespace pruhomat::drawing
