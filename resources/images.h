#pragma once

#include <cstddef>
#include <vector>

#include "colour_code.h"
#include "image_id.h"

namespace pruhomat {

// A picture as 24-bit pixels, top row first.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The grey that surrounds every drawn object, blending with the window's face.
inline constexpr Rgb imageBackground{0xBF, 0xBF, 0xBF};

// Every picture is drawn once, on first use, and kept for the run.
const Image& image(ImageId id);

// The window icon at 16 or 32 pixels square.
const Image& windowIcon(int size);

// Each pixel becomes a square of factor × factor pixels, for screens of high pixel density.
Image enlarged(const Image& image, int factor);

}  // namespace pruhomat
