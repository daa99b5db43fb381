#include "dpi.h"

namespace pruhomat::win32 {
namespace {

template <typename Function>
Function user32Function(const char* name) {
    // A FARPROC stands for any function; the name says which one it is.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

UINT windowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr) {
        return getDpiForWindow(window);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

void adjustWindowRect(RECT& rect, DWORD style, DWORD extendedStyle, UINT dpi) {
    using AdjustForDpiFunction = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&rect, style, FALSE, extendedStyle, dpi);
    } else {
        AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
    }
}

}  // namespace pruhomat::win32
