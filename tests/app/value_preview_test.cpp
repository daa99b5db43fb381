#include <gtest/gtest.h>

#include "value_preview.h"

namespace pruhomat {
namespace {

TEST(ValuePreview, ShowsTheValueItsBandsAndItsSeries) {
    const ValuePreview fourK7 = previewValue("4k7", 5, ",");
    EXPECT_EQ(fourK7.value, "4,7 kΩ ±5 %");
    EXPECT_EQ(fourK7.bands, "žlutá, fialová, červená, zlatá");
    EXPECT_EQ(fourK7.series, "řady E3, E6, E12, E24, E192");
    ASSERT_TRUE(fourK7.drawn);
    EXPECT_EQ(fourK7.drawn->count, BandCount::Four);

    const ValuePreview precise = previewValue("4,75k", 1, ",");
    EXPECT_EQ(precise.value, "4,75 kΩ ±1 %");
    EXPECT_EQ(precise.bands, "žlutá, fialová, zelená, hnědá, hnědá");
    EXPECT_EQ(precise.series, "řady E96, E192");

    EXPECT_EQ(previewValue("4,5k", 10, ".").series, "nejbližší E24: 4.3 kΩ / 4.7 kΩ; E96: 4.42 kΩ / 4.53 kΩ");
    EXPECT_EQ(previewValue("0R1", 10, ",").bands, "hnědá, černá, stříbrná, stříbrná");
}

TEST(ValuePreview, SaysWhyNothingCanBeDrawn) {
    for (const auto& [text, reason] : {std::pair{"abc", "Toto není hodnota: zkuste 4k7, 4,7 kΩ nebo 4700."},
                                       std::pair{"100M", "Největší hodnota je 99 MΩ."},
                                       std::pair{"", "Zadejte hodnotu, např. 4k7 nebo 4,7 kΩ."},
                                       std::pair{"0,475", "Tuto hodnotu nenakreslí čtyři ani pět pásků."}}) {
        const ValuePreview preview = previewValue(text, 1, ",");
        EXPECT_EQ(preview.value, reason) << text;
        EXPECT_FALSE(preview.drawn) << text;
        EXPECT_EQ(preview.bands, "") << text;
    }
}

}  // namespace
}  // namespace pruhomat
