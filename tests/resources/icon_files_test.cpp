#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "icon_files.h"

namespace pruhomat {
namespace {

Image twoColours() {
    Image image{3, 2, {}};
    const Rgb red{0xFF, 0, 0};
    const Rgb navy{0, 0, 0x80};
    image.pixels = {red, navy, red, navy, navy, red};
    return image;
}

std::uint32_t readLittleEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int byte = size - 1; byte >= 0; --byte) {
        value = value << 8 | bytes.at(at + static_cast<std::size_t>(byte));
    }
    return value;
}

TEST(IconFiles, XpmListsEachColourOnceAndEveryRow) {
    const std::string xpm = iconAsXpm(twoColours(), "test");
    EXPECT_NE(xpm.find("\"3 2 2 1\""), std::string::npos);
    EXPECT_NE(xpm.find("c #FF0000"), std::string::npos);
    EXPECT_NE(xpm.find("c #000080"), std::string::npos);
    EXPECT_NE(xpm.find("\".#.\""), std::string::npos) << xpm;
    EXPECT_NE(xpm.find("\"##.\""), std::string::npos) << xpm;
}

TEST(IconFiles, IcoHoldsEachSizeBottomUpInBlueGreenRedOrder) {
    const Image small = twoColours();
    Image large{2, 1, {{1, 2, 3}, {4, 5, 6}}};
    const auto bytes = iconsAsIco({&small, &large});
    EXPECT_EQ(readLittleEndian(bytes, 2, 2), 1u);
    EXPECT_EQ(readLittleEndian(bytes, 4, 2), 2u);
    EXPECT_EQ(bytes[6], 3);
    EXPECT_EQ(bytes[7], 2);
    const std::uint32_t firstSize = readLittleEndian(bytes, 6 + 8, 4);
    const std::uint32_t firstOffset = readLittleEndian(bytes, 6 + 12, 4);
    const std::uint32_t secondOffset = readLittleEndian(bytes, 6 + 16 + 12, 4);
    EXPECT_EQ(firstOffset, 6u + 2 * 16);
    EXPECT_EQ(secondOffset, firstOffset + firstSize);
    EXPECT_EQ(readLittleEndian(bytes, firstOffset + 8, 4), 4u) << "height doubled for the mask";
    const std::size_t firstPixel = firstOffset + 40;
    // The bottom row comes first: navy, navy, red.
    EXPECT_EQ(bytes[firstPixel + 0], 0x80);
    EXPECT_EQ(bytes[firstPixel + 2], 0x00);
    EXPECT_EQ(bytes[firstPixel + 8 + 2], 0xFF);
    EXPECT_EQ(bytes.size(), secondOffset + 40 + 2 * 4 + 4);
}

}  // namespace
}  // namespace pruhomat
