#include "gdi_objects.h"

#include <atomic>

namespace pruhomat::win32::gdi {
namespace {

std::atomic<long> made{0};

template <typename Handle>
Handle counted(Handle handle) {
    if (handle != nullptr) {
        ++made;
    }
    return handle;
}

}  // namespace

HBRUSH solidBrush(COLORREF colour) { return counted(CreateSolidBrush(colour)); }

HFONT font(const LOGFONTW& looks) { return counted(CreateFontIndirectW(&looks)); }

HBITMAP dibSection(const BITMAPINFO& info, void** bits) {
    return counted(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

HBITMAP bitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* data) {
    return counted(CreateBitmap(width, height, planes, bitsPerPixel, data));
}

HDC compatibleContext(HDC context) { return counted(CreateCompatibleDC(context)); }

void deleteObject(HGDIOBJ object) {
    if (object != nullptr && DeleteObject(object)) {
        --made;
    }
}

void deleteContext(HDC context) {
    if (context != nullptr && DeleteDC(context)) {
        --made;
    }
}

long alive() { return made.load(); }

}  // namespace pruhomat::win32::gdi
