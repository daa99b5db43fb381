#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "images.h"

namespace pruhomat {

// The window icon as the files desktops and Windows want it, made from the same pixels.

// An X PixMap, for the desktop entry on Linux.
std::string iconAsXpm(const Image& icon, const std::string& name);

// A Windows .ico holding every given size as a 32-bit image.
std::vector<std::uint8_t> iconsAsIco(const std::vector<const Image*>& icons);

}  // namespace pruhomat
