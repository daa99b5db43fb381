#include "picture.h"

#include "form_window.h"

#include "gdi_objects.h"

namespace pruhomat::win32 {

void Picture::apply(forms::PropertySet changed) {
    NativeControl::apply(changed);
    if (changed & forms::PictureProperty) {
        InvalidateRect(handle(), nullptr, TRUE);
    }
}

void Picture::paintContent(HDC context, const RECT&) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const Rgb faceColour{GetRValue(face), GetGValue(face), GetBValue(face)};
    HBITMAP bitmap = window().pictures().bitmap(control().picture(), window().controller().scale().dpi(), faceColour);
    if (bitmap == nullptr) {
        return;
    }
    HDC memory = gdi::compatibleContext(context);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    BitBlt(context, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    gdi::deleteContext(memory);
}

}  // namespace pruhomat::win32
