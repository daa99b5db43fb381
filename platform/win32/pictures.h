#pragma once

#include <windows.h>

#include <array>

#include "image_id.h"

namespace pruhomat::win32 {

// The pictures as device-independent bitmaps, enlarged by a whole factor for the screen's DPI.
class Pictures {
public:
    Pictures() = default;
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;
    ~Pictures();

    // A bitmap the caller must not delete; null for no picture.
    HBITMAP bitmap(ImageId id, int factor);
    // A window icon of the given size in pixels, made from the shared icon pixels.
    HICON icon(int size);

private:
    void release();

    int factor_ = 0;
    std::array<HBITMAP, static_cast<std::size_t>(ImageId::Penguin) + 1> bitmaps_{};
    std::array<HICON, 2> icons_{};
};

}  // namespace pruhomat::win32
