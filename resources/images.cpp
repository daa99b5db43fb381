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

using Drawing = Image (*)();

struct Recipe {
    drawing::PictureSize size;
    Drawing draw;
};

// How each picture is drawn and its size, in the order of ImageId.
constexpr std::array<Recipe, imageCount> recipes{{
    {{0, 0}, [] { return Image{}; }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Black); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Brown); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Red); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Orange); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Yellow); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Green); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Blue); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Violet); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Grey); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::White); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Gold); }},
    {drawing::bandStripSize, [] { return drawing::plainStrip(); }},
    {drawing::toleranceStripSize, [] { return drawing::toleranceStrip(1); }},
    {drawing::toleranceStripSize, [] { return drawing::toleranceStrip(2); }},
    {drawing::toleranceStripSize, [] { return drawing::toleranceStrip(5); }},
    {drawing::toleranceStripSize, [] { return drawing::toleranceStrip(10); }},
    {drawing::leftEndSize, [] { return drawing::leftEnd(); }},
    {drawing::rightEndSize, [] { return drawing::rightEnd(); }},
    {drawing::unitSymbolSize, [] { return drawing::unitSymbol(drawing::UnitPrefix::None); }},
    {drawing::unitSymbolSize, [] { return drawing::unitSymbol(drawing::UnitPrefix::Kilo); }},
    {drawing::unitSymbolSize, [] { return drawing::unitSymbol(drawing::UnitPrefix::Mega); }},
    {drawing::arrowSize, [] { return drawing::arrow(); }},
    {drawing::penguinSize, [] { return drawing::penguin(); }},
    {drawing::bandStripSize, [] { return drawing::bandStrip(Colour::Pink); }},
}};

const drawing::PictureSize& sizeOf(ImageId id) { return recipes.at(static_cast<std::size_t>(id)).size; }

// Each picture is drawn on its own first use, so a window pays only for the pictures it shows.
template <std::size_t index>
const Image& drawnOnce() {
    static const Image picture = recipes[index].draw();
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

namespace {

// Lengths in units of 1/(96 * dpi) inch: a new pixel is 96 units long, an old one dpi units.
int coveredLength(int newPixel, int oldPixel, int dotsPerInch) {
    const int start = std::max(newPixel * standardDpi, oldPixel * dotsPerInch);
    const int end = std::min((newPixel + 1) * standardDpi, (oldPixel + 1) * dotsPerInch);
    return std::max(0, end - start);
}

// The colour of the pixel at x, y of the picture at the density: the old pixels it covers,
// each weighed by the area it covers.
Rgb averagedPixel(const Image& image, int x, int y, int dotsPerInch) {
    long red = 0;
    long green = 0;
    long blue = 0;
    long area = 0;
    for (int row = y * standardDpi / dotsPerInch; row < image.height && coveredLength(y, row, dotsPerInch) > 0; ++row) {
        for (int column = x * standardDpi / dotsPerInch;
             column < image.width && coveredLength(x, column, dotsPerInch) > 0; ++column) {
            const long weight = static_cast<long>(coveredLength(y, row, dotsPerInch)) * coveredLength(x, column, dotsPerInch);
            const Rgb pixel = image.at(column, row);
            red += pixel.red * weight;
            green += pixel.green * weight;
            blue += pixel.blue * weight;
            area += weight;
        }
    }
    const auto average = [area](long sum) { return static_cast<std::uint8_t>((sum + area / 2) / area); };
    return {average(red), average(green), average(blue)};
}

}  // namespace

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
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            result.pixels.push_back(averagedPixel(image, x, y, dotsPerInch));
        }
    }
    return result;
}

Image shownPicture(ImageId id, int dotsPerInch, Rgb face) { return scaledForDpi(onFace(image(id), face), dotsPerInch); }

// Sizes come from the table, so laying out a picture never draws it.
int shownWidth(ImageId id, int dotsPerInch) { return scaledLength(sizeOf(id).width, dotsPerInch); }

int shownHeight(ImageId id, int dotsPerInch) { return scaledLength(sizeOf(id).height, dotsPerInch); }

}  // namespace pruhomat
