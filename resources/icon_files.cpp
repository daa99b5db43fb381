#include "icon_files.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

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

Image desktopIcon(int size) {
    if (size == 16 || size == 32) {
        return windowIcon(size);
    }
    const int design = size % 32 == 0 ? 32 : 16;
    if (size % design != 0 || size > 256) {
        throw std::invalid_argument("no desktop icon of " + std::to_string(size) + " pixels");
    }
    return enlarged(windowIcon(design), size / design);
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

std::uint32_t maskRowBytes(const Image& icon) { return (static_cast<std::uint32_t>(icon.width) + 31) / 32 * 4; }

std::uint32_t bitmapSize(const Image& icon) {
    const auto pixels = static_cast<std::uint32_t>(icon.width) * static_cast<std::uint32_t>(icon.height);
    return bitmapHeaderSize + pixels * 4 + maskRowBytes(icon) * static_cast<std::uint32_t>(icon.height);
}

void appendDirectoryEntry(std::vector<std::uint8_t>& bytes, const Image& icon, std::uint32_t offset) {
    bytes.push_back(static_cast<std::uint8_t>(icon.width));
    bytes.push_back(static_cast<std::uint8_t>(icon.height));
    bytes.push_back(0);  // no palette
    bytes.push_back(0);
    appendLittleEndian(bytes, 1, 2);   // planes
    appendLittleEndian(bytes, 32, 2);  // bits per pixel
    appendLittleEndian(bytes, bitmapSize(icon), 4);
    appendLittleEndian(bytes, offset, 4);
}

void appendBitmap(std::vector<std::uint8_t>& bytes, const Image& icon) {
    appendLittleEndian(bytes, bitmapHeaderSize, 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(icon.width), 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(icon.height) * 2, 4);  // the colour rows and the mask rows
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, 32, 2);
    for (int field = 0; field < 6; ++field) {
        appendLittleEndian(bytes, 0, 4);
    }
    for (int y = icon.height - 1; y >= 0; --y) {
        for (int x = 0; x < icon.width; ++x) {
            const Rgb pixel = icon.at(x, y);
            bytes.insert(bytes.end(), {pixel.blue, pixel.green, pixel.red, 0xFF});
        }
    }
    bytes.insert(bytes.end(), maskRowBytes(icon) * static_cast<std::uint32_t>(icon.height), 0);  // every pixel opaque
}

}  // namespace

std::vector<std::uint8_t> iconsAsIco(const std::vector<const Image*>& icons) {
    std::vector<std::uint8_t> bytes;
    appendLittleEndian(bytes, 0, 2);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(icons.size()), 2);
    std::uint32_t offset = icoDirectorySize + icoEntrySize * static_cast<std::uint32_t>(icons.size());
    for (const Image* icon : icons) {
        appendDirectoryEntry(bytes, *icon, offset);
        offset += bitmapSize(*icon);
    }
    for (const Image* icon : icons) {
        appendBitmap(bytes, *icon);
    }
    return bytes;
}

}  // namespace pruhomat
