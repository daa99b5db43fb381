#include "reference_markings.h"

namespace pruhomat::testing::reference {

const std::array<ToleranceMark, 9> toleranceMarks{{
    {5, "Šedá", 'W'},
    {10, "Fialová", 'B'},
    {25, "Modrá", 'C'},
    {50, "Zelená", 'D'},
    {100, "Hnědá", 'F'},
    {200, "Červená", 'G'},
    {500, "Zlatá", 'J'},
    {1000, "Stříbrná", 'K'},
    {2000, "", 'M'},
}};

const std::array<CoefficientMark, 9> coefficientMarks{{
    {250, "Černá"}, {100, "Hnědá"}, {50, "Červená"}, {15, "Oranžová"}, {25, "Žlutá"},
    {20, "Zelená"}, {10, "Modrá"}, {5, "Fialová"}, {1, "Šedá"},
}};

const std::array<std::uint16_t, 96> e96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

const std::array<MultiplierMark, 12> e96Multipliers{{
    {'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0},
    {'B', 1}, {'H', 1}, {'C', 2}, {'D', 3}, {'E', 4}, {'F', 5},
}};

}  // namespace pruhomat::testing::reference
