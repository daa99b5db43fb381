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

// The icon for the desktop's icon theme at 16, 32, 48, 64, 128 or 256 pixels: the 16 or 32
// pixel design, each of its pixels a square block, so that large sizes stay sharp.
Image desktopIcon(int size);

// A Windows .ico holding every given size as a 32-bit image.
std::vector<std::uint8_t> iconsAsIco(const std::vector<const Image*>& icons);

}  // namespace pruhomat
