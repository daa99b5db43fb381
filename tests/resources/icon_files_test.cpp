#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

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

TEST(IconFiles, IcoHoldsBitmapsBottomUpWithTheirMaskAndPngFilesAsTheyAre) {
    const std::vector<std::uint8_t> png = iconAsPng(Image{256, 256, std::vector<Rgb>(256 * 256)});
    const auto bytes = iconsAsIco({icoBitmap(twoColours(), 4), icoPng(png)});
    EXPECT_EQ(readLittleEndian(bytes, 2, 2), 1u);
    EXPECT_EQ(readLittleEndian(bytes, 4, 2), 2u);
    EXPECT_EQ(bytes[6], 4);
    EXPECT_EQ(bytes[6 + 16], 0) << "0 stands for 256 pixels";
    const std::uint32_t bitmapSize = readLittleEndian(bytes, 6 + 8, 4);
    const std::uint32_t bitmapAt = readLittleEndian(bytes, 6 + 12, 4);
    const std::uint32_t pngAt = readLittleEndian(bytes, 6 + 16 + 12, 4);
    EXPECT_EQ(bitmapAt, 6u + 2 * 16);
    EXPECT_EQ(pngAt, bitmapAt + bitmapSize);
    EXPECT_EQ(bitmapSize, 40u + 4 * 4 * 4 + 4 * 4);
    EXPECT_EQ(readLittleEndian(bytes, bitmapAt + 8, 4), 8u) << "height doubled for the mask";
    // The 3 × 2 design sits on rows 1 and 2; the bottom row is transparent and comes first.
    const std::uint32_t pixelsAt = bitmapAt + 40;
    EXPECT_EQ(readLittleEndian(bytes, pixelsAt, 4), 0u);
    EXPECT_EQ(readLittleEndian(bytes, pixelsAt + 16, 4), 0xFF000080u) << "navy, the first of row 2";
    EXPECT_EQ(readLittleEndian(bytes, pixelsAt + 16 + 8, 4), 0xFFFF0000u) << "red, the third of row 2";
    EXPECT_EQ(readLittleEndian(bytes, pixelsAt + 16 + 12, 4), 0u) << "the fourth column is margin";
    const std::uint32_t maskAt = pixelsAt + 4 * 4 * 4;
    EXPECT_EQ(bytes[maskAt], 0xF0) << "the bottom row lets all four through";
    EXPECT_EQ(bytes[maskAt + 4], 0x10) << "a row of the design only its margin";
    EXPECT_TRUE(std::equal(png.begin(), png.end(), bytes.begin() + pngAt));
    EXPECT_EQ(bytes.size(), pngAt + png.size());
    EXPECT_THROW(icoPng(iconAsPng(twoColours())), std::invalid_argument);
    EXPECT_THROW(icoPng({'G', 'I', 'F'}), std::invalid_argument);
}

}  // namespace
}  // namespace pruhomat
