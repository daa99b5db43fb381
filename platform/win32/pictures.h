#pragma once

#include <windows.h>

#include <array>

#include "colour_code.h"
#include "image_id.h"

namespace pruhomat::win32 {

// The pictures as device-independent bitmaps at the window's density, on the window's face colour.
class Pictures {
public:
    Pictures() = default;
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;
    ~Pictures();

    // A bitmap the caller must not delete; null for no picture. All of them are made anew when
    // the density or the face colour changes.
    HBITMAP bitmap(ImageId id, int dotsPerInch, Rgb face);
    // A window icon of the given size in pixels, made from the shared icon pixels.
    HICON icon(int size);

private:
    void release();

    int dpi_ = 0;
    Rgb face_{};
    std::array<HBITMAP, imageCount> bitmaps_{};
    std::array<HICON, 2> icons_{};
};

}  // namespace pruhomat::win32
