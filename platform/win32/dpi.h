#pragma once

#include <windows.h>

namespace pruhomat::win32 {

// The density of a window. Windows before 10 version 1607 knows only the system's, so the
// newer functions are looked up when the program runs rather than imported.
UINT windowDpi(HWND window);

// The outer size of a window for a client rectangle, at the window's density where the system can.
void adjustWindowRect(RECT& rect, DWORD style, DWORD extendedStyle, UINT dpi);

}  // namespace pruhomat::win32
