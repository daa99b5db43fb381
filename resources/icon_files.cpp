#include "icon_files.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace pruhomat {
namespace {

constexpr std::string_view xpmSymbols = ".#abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

struct RgbOrder {
    bool operator()(Rgb left, Rgb right) const {
        return std::tie(left.red, left.green, left.blue) < std::tie(right.red, right.green, right.blue);
    }
};

void appendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int byte = 0; byte < size; ++byte) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
    }
}

void appendBigEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int byte = 3; byte >= 0; --byte) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * byte)));
    }
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t index = 0; index < size; ++index) {
        crc ^= data[index];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void appendChunk(std::vector<std::uint8_t>& png, const char (&type)[5], const std::vector<std::uint8_t>& data) {
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    appendBigEndian(png, crc32(png.data() + typeStart, png.size() - typeStart));
}

// A zlib stream of stored blocks: icons are small, so they need no compression.
std::vector<std::uint8_t> zlibStored(const std::vector<std::uint8_t>& data) {
    constexpr std::size_t largestBlock = 0xFFFF;
    std::vector<std::uint8_t> stream{0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t size = std::min(largestBlock, data.size() - offset);
        const bool last = offset + size == data.size();
        stream.push_back(last ? 1 : 0);
        appendLittleEndian(stream, static_cast<std::uint32_t>(size), 2);
        appendLittleEndian(stream, static_cast<std::uint32_t>(~size & 0xFFFF), 2);
        stream.insert(stream.end(), data.begin() + static_cast<std::ptrdiff_t>(offset),
                      data.begin() + static_cast<std::ptrdiff_t>(offset + size));
        offset += size;
    } while (offset < data.size());
    std::uint32_t low = 1;
    std::uint32_t high = 0;
    for (const std::uint8_t byte : data) {
        low = (low + byte) % 65521;
        high = (high + low) % 65521;
    }
    appendBigEndian(stream, high << 16 | low);
    return stream;
}

}  // namespace

std::vector<std::uint8_t> iconAsPng(const Image& icon) {
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    appendBigEndian(header, static_cast<std::uint32_t>(icon.width));
    appendBigEndian(header, static_cast<std::uint32_t>(icon.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace
    appendChunk(png, "IHDR", header);
    std::vector<std::uint8_t> rows;
    for (int y = 0; y < icon.height; ++y) {
        rows.push_back(0);  // each row unfiltered
        for (int x = 0; x < icon.width; ++x) {
            const Rgb pixel = icon.at(x, y);
            rows.insert(rows.end(), {pixel.red, pixel.green, pixel.blue});
        }
    }
    appendChunk(png, "IDAT", zlibStored(rows));
    appendChunk(png, "IEND", {});
    return png;
}

std::string iconAsXpm(const Image& icon, const std::string& name) {
    std::map<Rgb, char, RgbOrder> symbols;
    for (const Rgb& pixel : icon.pixels) {
        if (!symbols.contains(pixel)) {
            if (symbols.size() == xpmSymbols.size()) {
                throw std::length_error("too many colours for a one-character pixmap");
            }
            symbols.emplace(pixel, xpmSymbols[symbols.size()]);
        }
    }
    char header[64];
    std::snprintf(header, sizeof header, "\"%d %d %zu 1\",\n", icon.width, icon.height, symbols.size());
    std::string text = "/* XPM */\nstatic const char* ";
    text.append(name).append("[] = {\n").append(header);
    for (const auto& [colour, symbol] : symbols) {
        char line[32];
        std::snprintf(line, sizeof line, "\"%c c #%02X%02X%02X\",\n", symbol, colour.red, colour.green, colour.blue);
        text += line;
    }
    for (int y = 0; y < icon.height; ++y) {
        text += '"';
        for (int x = 0; x < icon.width; ++x) {
            text += symbols.at(icon.at(x, y));
        }
        text += y + 1 < icon.height ? "\",\n" : "\"\n";
    }
    text += "};\n";
    return text;
}

namespace {

constexpr std::uint32_t icoDirectorySize = 6;
constexpr std::uint32_t icoEntrySize = 16;
constexpr std::uint32_t bitmapHeaderSize = 40;
constexpr int largestIco = 256;

// The small frames show the pixel design; 20 and 24 centre the 16 pixel one, which stays sharp
// where an enlarged one would blur.
constexpr struct {
    int size;
    int design;
} pixelFrames[] = {{16, 16}, {20, 16}, {24, 16}, {32, 32}};

void appendBitmapHeader(std::vector<std::uint8_t>& bytes, int size) {
    appendLittleEndian(bytes, bitmapHeaderSize, 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(size), 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(size) * 2, 4);  // the colour rows and the mask rows
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, 32, 2);
    bytes.insert(bytes.end(), 6 * 4, 0);
}

std::uint32_t readBigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) << 24 | static_cast<std::uint32_t>(bytes[at + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

}  // namespace

IcoFrame icoBitmap(const Image& design, int size) {
    const int left = (size - design.width) / 2;
    const int top = (size - design.height) / 2;
    const auto inside = [&](int x, int y) {
        return x >= left && y >= top && x - left < design.width && y - top < design.height;
    };
    IcoFrame frame{size, {}};
    appendBitmapHeader(frame.bytes, size);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Rgb pixel = inside(x, y) ? design.at(x - left, y - top) : Rgb{};
            const std::uint8_t alpha = inside(x, y) ? 0xFF : 0;
            frame.bytes.insert(frame.bytes.end(), {pixel.blue, pixel.green, pixel.red, alpha});
        }
    }
    // The mask, for programs that ignore the alpha: a set bit lets the background through.
    const int maskRowBytes = (size + 31) / 32 * 4;
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < size; ++x) {
            if (!inside(x, y)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        frame.bytes.insert(frame.bytes.end(), row.begin(), row.end());
    }
    return frame;
}

IcoFrame icoPng(std::vector<std::uint8_t> png) {
    constexpr std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    constexpr std::size_t sizesEnd = sizeof signature + 8;
    if (png.size() < sizesEnd || !std::equal(std::begin(signature), std::end(signature), png.begin())) {
        throw std::invalid_argument("not a PNG file");
    }
    const std::uint32_t width = readBigEndian(png, sizeof signature);
    if (width == 0 || width > largestIco || readBigEndian(png, sizeof signature + 4) != width) {
        throw std::invalid_argument("not a square PNG of 1 to 256 pixels");
    }
    return {static_cast<int>(width), std::move(png)};
}

std::vector<std::uint8_t> iconsAsIco(const std::vector<IcoFrame>& frames) {
    std::vector<std::uint8_t> bytes;
    appendLittleEndian(bytes, 0, 2);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(frames.size()), 2);
    auto offset = static_cast<std::uint32_t>(icoDirectorySize + icoEntrySize * frames.size());
    for (const IcoFrame& frame : frames) {
        const auto side = static_cast<std::uint8_t>(frame.size == largestIco ? 0 : frame.size);  // 0 stands for 256
        bytes.insert(bytes.end(), {side, side, 0, 0});  // no palette
        appendLittleEndian(bytes, 1, 2);   // planes
        appendLittleEndian(bytes, 32, 2);  // bits per pixel
        appendLittleEndian(bytes, static_cast<std::uint32_t>(frame.bytes.size()), 4);
        appendLittleEndian(bytes, offset, 4);
        offset += static_cast<std::uint32_t>(frame.bytes.size());
    }
    for (const IcoFrame& frame : frames) {
        bytes.insert(bytes.end(), frame.bytes.begin(), frame.bytes.end());
    }
    return bytes;
}

std::vector<std::uint8_t> windowsIcon(const std::vector<std::vector<std::uint8_t>>& renderings) {
    std::vector<IcoFrame> frames;
    for (const auto& [size, design] : pixelFrames) {
        frames.push_back(icoBitmap(windowIcon(design), size));
    }
    for (const auto& png : renderings) {
        frames.push_back(icoPng(png));
    }
    return iconsAsIco(frames);
}

}  // namespace pruhomat
