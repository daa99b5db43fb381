#include "images.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "pictures.h"

namespace pruhomat {
namespace {

constexpr int standardDpi = 96;

// Penguin is the last identifier.
constexpr std::size_t imageCount = static_cast<std::size_t>(ImageId::Penguin) + 1;

Image draw(ImageId id) {
    using namespace drawing;
    switch (id) {
        case ImageId::NoImage:
            return {};
        case ImageId::BandBlack:
            return bandStrip(Colour::Black);
        case ImageId::BandBrown:
            return bandStrip(Colour::Brown);
        case ImageId::BandRed:
            return bandStrip(Colour::Red);
        case ImageId::BandOrange:
            return bandStrip(Colour::Orange);
        case ImageId::BandYellow:
            return bandStrip(Colour::Yellow);
        case ImageId::BandGreen:
            return bandStrip(Colour::Green);
        case ImageId::BandBlue:
            return bandStrip(Colour::Blue);
        case ImageId::BandViolet:
            return bandStrip(Colour::Violet);
        case ImageId::BandGrey:
            return bandStrip(Colour::Grey);
        case ImageId::BandWhite:
            return bandStrip(Colour::White);
        case ImageId::BandGold:
            return bandStrip(Colour::Gold);
        case ImageId::PlainStrip:
            return plainStrip();
        case ImageId::Tolerance1:
            return toleranceStrip(1);
        case ImageId::Tolerance2:
            return toleranceStrip(2);
        case ImageId::Tolerance5:
            return toleranceStrip(5);
        case ImageId::Tolerance10:
            return toleranceStrip(10);
        case ImageId::LeftEnd:
            return leftEnd();
        case ImageId::RightEnd:
            return rightEnd();
        case ImageId::UnitOhm:
            return unitSymbol(UnitPrefix::None);
        case ImageId::UnitKiloOhm:
            return unitSymbol(UnitPrefix::Kilo);
        case ImageId::UnitMegaOhm:
            return unitSymbol(UnitPrefix::Mega);
        case ImageId::Arrow:
            return arrow();
        case ImageId::Penguin:
            return penguin();
    }
    throw std::invalid_argument("unknown image " + std::to_string(static_cast<int>(id)));
}

// Each picture is drawn on its own first use, so a window pays only for the pictures it shows.
template <std::size_t index>
const Image& drawnOnce() {
    static const Image picture = draw(static_cast<ImageId>(index));
    return picture;
}

template <std::size_t... indexes>
constexpr std::array<const Image& (*)(), imageCount> drawnOnceTable(std::index_sequence<indexes...>) {
    return {&drawnOnce<indexes>...};
}

}  // namespace

const Image& image(ImageId id) {
    static constexpr auto pictures = drawnOnceTable(std::make_index_sequence<imageCount>{});
    return pictures.at(static_cast<std::size_t>(id))();
}

const Image& windowIcon(int size) {
    static const Image small = drawing::smallWindowIcon();
    static const Image large = drawing::largeWindowIcon();
    switch (size) {
        case 16:
            return small;
        case 32:
            return large;
        default:
            throw std::invalid_argument("no window icon of " + std::to_string(size) + " pixels");
    }
}

Image enlarged(const Image& image, int factor) {
    if (factor < 1) {
        throw std::invalid_argument("cannot enlarge a picture by " + std::to_string(factor));
    }
    if (std::max(image.width, image.height) > std::numeric_limits<int>::max() / factor) {
        throw std::length_error("the enlarged picture would be too large");
    }
    Image result{image.width * factor, image.height * factor, {}};
    result.pixels.reserve(static_cast<std::size_t>(result.width) * static_cast<std::size_t>(result.height));
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            result.pixels.push_back(image.at(x / factor, y / factor));
        }
    }
    return result;
}

Image onFace(const Image& image, Rgb face) {
    Image result = image;
    std::ranges::replace(result.pixels, imageBackground, face);
    return result;
}

int scaledLength(int pixelsAt96Dpi, int dotsPerInch) {
    return (pixelsAt96Dpi * dotsPerInch + standardDpi - 1) / standardDpi;
}

Image scaledForDpi(const Image& image, int dotsPerInch) {
    if (dotsPerInch < 1) {
        throw std::invalid_argument("no picture at " + std::to_string(dotsPerInch) + " dots per inch");
    }
    if (dotsPerInch % standardDpi == 0) {
        return enlarged(image, dotsPerInch / standardDpi);
    }
    const int width = scaledLength(image.width, dotsPerInch);
    const int height = scaledLength(image.height, dotsPerInch);
    Image result{width, height, {}};
    result.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    // Lengths in units of 1/(96 * dpi) inch: a new pixel is 96 units long, an old one dpi units.
    const auto covered = [dotsPerInch](int newPixel, int oldPixel) {
        const int start = std::max(newPixel * standardDpi, oldPixel * dotsPerInch);
        const int end = std::min((newPixel + 1) * standardDpi, (oldPixel + 1) * dotsPerInch);
        return std::max(0, end - start);
    };
    for (int y = 0; y < height; ++y) {
        const int firstRow = y * standardDpi / dotsPerInch;
        for (int x = 0; x < width; ++x) {
            const int firstColumn = x * standardDpi / dotsPerInch;
            long red = 0;
            long green = 0;
            long blue = 0;
            long area = 0;
            for (int row = firstRow; row < image.height && covered(y, row) > 0; ++row) {
                for (int column = firstColumn; column < image.width && covered(x, column) > 0; ++column) {
                    const long weight = static_cast<long>(covered(y, row)) * covered(x, column);
                    const Rgb pixel = image.at(column, row);
                    red += pixel.red * weight;
                    green += pixel.green * weight;
                    blue += pixel.blue * weight;
                    area += weight;
                }
            }
            const auto average = [area](long sum) { return static_cast<std::uint8_t>((sum + area / 2) / area); };
            result.pixels.push_back({average(red), average(green), average(blue)});
        }
    }
    return result;
}

}  // namespace pruhomat
