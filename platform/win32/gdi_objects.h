#pragma once

#include <windows.h>

namespace pruhomat::win32::gdi {

// The GDI objects the program makes and deletes, each through these, counted: a test then sees
// one left behind where the system counts none (Wine answers GetGuiResources with 0).
HBRUSH solidBrush(COLORREF colour);
HFONT font(const LOGFONTW& looks);
HBITMAP dibSection(const BITMAPINFO& info, void** bits);
HBITMAP bitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* data);
HDC compatibleContext(HDC context);
void deleteObject(HGDIOBJ object);
void deleteContext(HDC context);

// Made and not yet deleted.
long alive();

}  // namespace pruhomat::win32::gdi
