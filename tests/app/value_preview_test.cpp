#include <gtest/gtest.h>

#include <algorithm>

#include "value_preview.h"

namespace pruhomat {
namespace {

constexpr Tolerance fivePercent = Tolerance::percent(5);

TEST(ValuePreview, ShowsTheValueItsBandsAndItsSeries) {
    const ValuePreview fourK7 = previewValue("4k7", fivePercent, ",");
    EXPECT_EQ(fourK7.lines(), (std::vector<std::string>{"4,7 kΩ ±5 %", "žlutá, fialová, červená, zlatá", "kód RKM: 4K7J",
                                                        "kódy SMD: 472, 4701", "řady E3, E6, E12, E24, E192"}));
    ASSERT_TRUE(fourK7.drawn);
    EXPECT_EQ(fourK7.drawn->count, BandCount::Four);

    const ValuePreview precise = previewValue("4,75k", Tolerance::percent(1), ",");
    EXPECT_EQ(precise.value, "4,75 kΩ ±1 %");
    EXPECT_EQ(precise.bands, "žlutá, fialová, zelená, hnědá, hnědá");
    EXPECT_EQ(precise.series, "řady E96, E192");

    EXPECT_EQ(previewValue("4,5k", Tolerance::percent(10), ".").lines()[4],
              "nejbližší E24: 4.3 kΩ −4.4 % / 4.7 kΩ +4.4 %");
    EXPECT_EQ(previewValue("0R1", Tolerance::percent(10), ",").bands, "hnědá, černá, stříbrná, stříbrná");
}

TEST(ValuePreview, SaysWhyNothingCanBeDrawn) {
    for (const auto& [text, reason] : {std::pair{"abc", "Toto není hodnota: zkuste 4k7, 4,7 kΩ nebo 4700."},
                                       std::pair{"100M", "Největší hodnota je 99 MΩ."},
                                       std::pair{"", "Zadejte hodnotu, např. 4k7 nebo 4,7 kΩ."},
                                       std::pair{"0,475", "Tuto hodnotu okno čtyřmi ani pěti pásky nenakreslí."}}) {
        const ValuePreview preview = previewValue(text, Tolerance::percent(1), ",");
        EXPECT_EQ(preview.lines().back(), reason) << text;
        EXPECT_FALSE(preview.drawn) << text;
        EXPECT_EQ(preview.bands, "") << text;
    }
}

// Typed with 5 % chosen in the list ("@" first: read as an SMD code): lines the preview must
// hold, and whether OK draws it.
TEST(ValuePreview, ShowsEveryMarkingATextCarries) {
    struct Row {
        std::string text;
        std::vector<std::string> lines;
        bool drawn;
    };
    const std::vector<Row> table{
        {"01C", {"10 kΩ ±5 %", "hnědá, černá, oranžová, zlatá", "kódy SMD: 103, 1002, 01C"}, true},
        {"68C", {"49,9 kΩ ±5 %", "kódy SMD: 4992, 68C"}, true},
        {"01Z", {"0,1 Ω ±5 %", "kódy SMD: R10, R100, 01Z"}, true},
        {"01Y", {"1 Ω ±5 %", "kód RKM: 1R0J"}, true},
        {"96F", {"97,6 MΩ ±5 %", "na součástce 5 pásků: bílá, fialová, modrá, zelená, zlatá"}, false},
        {"00C", {"Kódy E96 začínají číslem 01 (100)."}, false},
        {"97A", {"Čísla nad 96 leží za poslední hodnotou E96 (96 je 976)."}, false},
        {"10R", {"10 Ω ±5 %", "jako kód SMD: 1,24 Ω"}, true},
        {"4K7J", {"4,7 kΩ ±5 %", "žlutá, fialová, červená, zlatá", "kód RKM: 4K7J"}, true},
        {"100RF", {"100 Ω ±1 %", "hnědá, černá, černá, černá, hnědá"}, true},
        {"2M2K", {"2,2 MΩ ±10 %", "červená, červená, zelená, stříbrná"}, true},
        {"4k7 0,1 %", {"na součástce 5 pásků: žlutá, fialová, černá, hnědá, fialová", "Okno kreslí přesnost 1, 2, 5 a 10 %"}, false},
        {"4,7 kΩ ±0,25 %", {"4,7 kΩ ±0,25 %", "kód RKM: 4K7C"}, false},
        {"4k7 ±0,05 %", {"na součástce 5 pásků: žlutá, fialová, černá, hnědá, oranžová (dříve šedá)"}, false},
        {"4k7 20%", {"na součástce 3 pásky: žlutá, fialová, červená", "kód RKM: 4K7M"}, false},
        {"10k 1% 50ppm", {"10 kΩ ±1 % 50 ppm/K", "na součástce 6 pásků: hnědá, černá, černá, červená, hnědá, červená",
                          "Pásek teplotního součinitele okno nekreslí."}, true},
        {"10k ±1 % 33 ppm/K", {"Teplotní součinitel 33 ppm/K nemá barvu."}, true},
        {"472", {"472 Ω ±5 %", "jako kód SMD: 4,7 kΩ"}, true},
        {"@472", {"4,7 kΩ ±5 %", "žlutá, fialová, červená, zlatá", "jako číslo: 472 Ω"}, true},
        {"4702", {"Pásky nesou nejvýše tři platné číslice.", "jako kód SMD: 47 kΩ"}, false},
        {"@4702", {"47 kΩ ±5 %", "kódy SMD: 473, 4702"}, true},
        {"3 3 0", {"330 Ω ±5 %", "jako kód SMD: 33 Ω"}, true},
        {"47R5", {"47,5 Ω ±5 %", "kódy SMD: 47R5, 66X"}, true},
        {"4k6", {"nejbližší E24: 4,3 kΩ −6,5 % / 4,7 kΩ +2,2 %", "nejbližší E96: 4,53 kΩ −1,5 % / 4,64 kΩ +0,9 %"}, true},
    };
    for (const Row& row : table) {
        const bool asCode = row.text.starts_with('@');
        const ValuePreview preview = previewValue(std::string_view(row.text).substr(asCode ? 1 : 0), fivePercent, ",", asCode);
        const std::vector<std::string> lines = preview.lines();
        for (const std::string& line : row.lines) {
            EXPECT_NE(std::ranges::find(lines, line), lines.end()) << row.text << ": " << line;
        }
        EXPECT_EQ(preview.drawn.has_value(), row.drawn) << row.text;
        EXPECT_LE(lines.size(), 9u) << row.text << ": more lines than the dialog has";
    }
}

// Markings once written wrong, each line of the preview with 5 % chosen in the list.
TEST(ValuePreview, WritesEveryMarkingToTheCode) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> table{
        {"0,47 1% 50ppm", {"0,47 Ω ±1 % 50 ppm/K", "žlutá, fialová, stříbrná, hnědá",
                           "na součástce 6 pásků: žlutá, fialová, černá, růžová, hnědá, červená", "kód RKM: R47F",
                           "kódy SMD: R47, R470", "řady E3, E6, E12, E24, E192", "Pásek teplotního součinitele okno nekreslí."}},
        {"4,75k 20%", {"4,75 kΩ ±20 %", "kód RKM: 4K75M", "kódy SMD: 4751, 66B", "řady E96, E192",
                       "Pro ±20 % nesou pásky nejvýše dvě platné číslice.", "Okno kreslí přesnost 1, 2, 5 a 10 %"}},
        {"4k7 20% 50ppm", {"4,7 kΩ ±20 % 50 ppm/K", "na součástce 3 pásky: žlutá, fialová, červená",
                           "obráceně: 270 kΩ ±20 % (stejně pravděpodobné)", "kód RKM: 4K7M", "kódy SMD: 472, 4701",
                           "řady E3, E6, E12, E24, E192", "Tři pásky (±20 %) teplotní součinitel nenesou.",
                           "Okno kreslí přesnost 1, 2, 5 a 10 %"}},
        {"96F", {"97,6 MΩ ±5 %", "na součástce 5 pásků: bílá, fialová, modrá, zelená, zlatá", "kód RKM: 97M6J",
                 "kódy SMD: 9765, 96F", "řady E96, E192", "Tuto hodnotu okno čtyřmi ani pěti pásky nenakreslí."}},
        {"0R1 5%", {"0,1 Ω ±5 %", "hnědá, černá, stříbrná, zlatá", "kód RKM: R10J", "kódy SMD: R10, R100, 01Z",
                    "řady E3, E6, E12, E24, E48, E96, E192"}},
        {"4k7 ±0 %", {"Přesnost musí být větší než 0 %."}},
        {"4k7j", {"4,7 kΩ ±5 %", "žlutá, fialová, červená, zlatá", "kód RKM: 4K7J", "kódy SMD: 472, 4701",
                  "řady E3, E6, E12, E24, E192"}},
        {"4k7 0,01 %", {"4,7 kΩ ±0,01 %", "na součástce 5 pásků: žlutá, fialová, černá, hnědá, šedá (dříve ±0,05 %)",
                        "kód RKM: 4K7L", "kódy SMD: 472, 4701", "řady E3, E6, E12, E24, E192",
                        "Okno kreslí přesnost 1, 2, 5 a 10 %"}},
        {"10k 1%", {"10 kΩ ±1 %", "hnědá, černá, černá, červená, hnědá", "obráceně: 120 Ω ±1 % (stejně pravděpodobné)",
                    "kód RKM: 10KF", "kódy SMD: 103, 1002, 01C", "řady E3, E6, E12, E24, E48, E96, E192"}},
        {"216 0,1% 33ppm", {"216 Ω ±0,1 % 33 ppm/K", "na součástce 5 pásků: červená, hnědá, modrá, černá, fialová",
                            "obráceně: 7,06 kΩ ±2 % (stejně pravděpodobné)", "kód RKM: 216RB", "kód SMD: 2160",
                            "nejbližší E24: 200 Ω −7,4 % / 220 Ω +1,9 %", "nejbližší E96: 215 Ω −0,5 % / 221 Ω +2,3 %",
                            "jako kód SMD: 21 MΩ", "Teplotní součinitel 33 ppm/K nemá barvu.",
                            "Okno kreslí přesnost 1, 2, 5 a 10 %"}},
    };
    for (const auto& [text, lines] : table) {
        EXPECT_EQ(previewValue(text, fivePercent, ",").lines(), lines) << text;
    }
}

}  // namespace
}  // namespace pruhomat
