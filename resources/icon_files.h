#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "images.h"

namespace pruhomat {

// The window icon as the files desktops and Windows want it, made from the same pixels.

// An X PixMap, for the desktop entry on Linux.
std::string iconAsXpm(const Image& icon, const std::string& name);

// A PNG file of the icon, 8-bit RGB, for the desktop's icon theme.
std::vector<std::uint8_t> iconAsPng(const Image& icon);

// One image of a Windows .ico: a 32-bit bitmap with its mask, or a whole PNG file, the form
// Windows reads the 256 pixel image in.
struct IcoFrame {
    int size = 0;
    std::vector<std::uint8_t> bytes;
};

// The design in the middle of a square bitmap of the given size, transparent round it.
IcoFrame icoBitmap(const Image& design, int size);

// A rendered PNG file as it is; throws std::invalid_argument unless it is a square PNG of 1 to
// 256 pixels.
IcoFrame icoPng(std::vector<std::uint8_t> png);

// A Windows .ico holding the frames in the given order.
std::vector<std::uint8_t> iconsAsIco(const std::vector<IcoFrame>& frames);

// The program's .ico: the pixel design at 16, 20, 24 and 32 pixels, then the given renderings
// of the scalable drawing.
std::vector<std::uint8_t> windowsIcon(const std::vector<std::vector<std::uint8_t>>& renderings);

}  // namespace pruhomat
