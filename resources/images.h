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

// The grey that surrounds every drawn object; a window shows it in its own face colour.
inline constexpr Rgb imageBackground{0xBF, 0xBF, 0xBF};

// Every picture is drawn once, on first use, and kept for the run.
const Image& image(ImageId id);

// The window icon at 16 or 32 pixels square.
const Image& windowIcon(int size);

// Each pixel becomes a square of factor × factor pixels, for screens of high pixel density.
Image enlarged(const Image& image, int factor);

// The picture with the background round its object in the given face colour, so that no box
// shows round it whatever the window's theme.
Image onFace(const Image& image, Rgb face);

// A length of pixels at 96 dots per inch at another density, rounded up so that a picture
// always covers the box that shows it.
int scaledLength(int pixelsAt96Dpi, int dotsPerInch);

// The picture at a screen density: whole multiples of 96 dots per inch repeat each pixel,
// others average the area each new pixel covers, so one rule serves every density.
Image scaledForDpi(const Image& image, int dotsPerInch);

// What a picture box shows at a density on a window's face colour, and its size there; every
// front-end shows these and no other pixels.
Image shownPicture(ImageId id, int dotsPerInch, Rgb face);
int shownWidth(ImageId id, int dotsPerInch);
int shownHeight(ImageId id, int dotsPerInch);

// The window icons' sizes in pixels, each drawn by windowIcon.
inline constexpr int windowIconSizes[] = {16, 32};

}  // namespace pruhomat
