#include "pictures.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "images.h"

#include "gdi_objects.h"

namespace pruhomat::win32 {
namespace {

// A top-down 32-bit bitmap of the image's pixels.
HBITMAP createBitmap(const Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = gdi::dibSection(info, &bits);
    if (bitmap == nullptr) {
        return nullptr;
    }
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (std::size_t index = 0; index < image.pixels.size(); ++index) {
        const Rgb& pixel = image.pixels[index];
        pixels[index] = 0xFF000000u | static_cast<std::uint32_t>(pixel.red) << 16 |
                        static_cast<std::uint32_t>(pixel.green) << 8 | pixel.blue;
    }
    return bitmap;
}

HICON createIcon(const Image& image) {
    HBITMAP colour = createBitmap(image);
    const std::vector<std::uint8_t> opaque(static_cast<std::size_t>((image.width + 15) / 16 * 2 * image.height), 0);
    HBITMAP mask = gdi::bitmap(image.width, image.height, 1, 1, opaque.data());
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    gdi::deleteObject(colour);
    gdi::deleteObject(mask);
    return icon;
}

}  // namespace

Pictures::~Pictures() {
    release();
    for (HICON icon : icons_) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

void Pictures::release() {
    for (HBITMAP& bitmap : bitmaps_) {
        if (bitmap != nullptr) {
            gdi::deleteObject(bitmap);
            bitmap = nullptr;
        }
    }
}

HBITMAP Pictures::bitmap(ImageId id, int dotsPerInch, Rgb face) {
    if (id == ImageId::NoImage) {
        return nullptr;
    }
    // All pictures at once, so the program's GDI objects stay the same from the first paint on.
    if (dotsPerInch != dpi_ || face != face_ || bitmaps_[1] == nullptr) {
        release();
        dpi_ = dotsPerInch;
        face_ = face;
        for (std::size_t picture = 1; picture < bitmaps_.size(); ++picture) {
            bitmaps_[picture] = createBitmap(shownPicture(static_cast<ImageId>(picture), dotsPerInch, face));
        }
    }
    return bitmaps_.at(static_cast<std::size_t>(id));
}

HICON Pictures::icon(int size) {
    HICON& icon = icons_.at(size == windowIconSizes[0] ? 0 : 1);
    if (icon == nullptr) {
        icon = createIcon(windowIcon(size));
    }
    return icon;
}

}  // namespace pruhomat::win32
