#include "icon_files.h"

#include <cstdio>
#include <map>
#include <stdexcept>
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

}  // namespace

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

std::vector<std::uint8_t> iconsAsIco(const std::vector<const Image*>& icons) {
    constexpr std::uint32_t directorySize = 6;
    constexpr std::uint32_t entrySize = 16;
    constexpr std::uint32_t bitmapHeaderSize = 40;

    std::vector<std::uint8_t> bytes;
    appendLittleEndian(bytes, 0, 2);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(icons.size()), 2);

    std::uint32_t offset = directorySize + entrySize * static_cast<std::uint32_t>(icons.size());
    std::vector<std::uint32_t> sizes;
    for (const Image* icon : icons) {
        const auto width = static_cast<std::uint32_t>(icon->width);
        const auto height = static_cast<std::uint32_t>(icon->height);
        const std::uint32_t maskRowBytes = (width + 31) / 32 * 4;
        const std::uint32_t size = bitmapHeaderSize + width * height * 4 + maskRowBytes * height;
        bytes.push_back(static_cast<std::uint8_t>(width));
        bytes.push_back(static_cast<std::uint8_t>(height));
        bytes.push_back(0);  // no palette
        bytes.push_back(0);
        appendLittleEndian(bytes, 1, 2);   // planes
        appendLittleEndian(bytes, 32, 2);  // bits per pixel
        appendLittleEndian(bytes, size, 4);
        appendLittleEndian(bytes, offset, 4);
        offset += size;
    }
    for (const Image* icon : icons) {
        const auto width = static_cast<std::uint32_t>(icon->width);
        const auto height = static_cast<std::uint32_t>(icon->height);
        appendLittleEndian(bytes, bitmapHeaderSize, 4);
        appendLittleEndian(bytes, width, 4);
        appendLittleEndian(bytes, height * 2, 4);  // the colour rows and the mask rows
        appendLittleEndian(bytes, 1, 2);
        appendLittleEndian(bytes, 32, 2);
        for (int field = 0; field < 6; ++field) {
            appendLittleEndian(bytes, 0, 4);
        }
        for (int y = icon->height - 1; y >= 0; --y) {
            for (int x = 0; x < icon->width; ++x) {
                const Rgb pixel = icon->at(x, y);
                bytes.insert(bytes.end(), {pixel.blue, pixel.green, pixel.red, 0xFF});
            }
        }
        const std::uint32_t maskRowBytes = (width + 31) / 32 * 4;
        bytes.insert(bytes.end(), maskRowBytes * height, 0);  // every pixel opaque
    }
    return bytes;
}

}  // namespace pruhomat
