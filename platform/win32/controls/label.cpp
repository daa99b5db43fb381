#include "label.h"

#include <commctrl.h>

#include <array>

#include "form_window.h"

namespace pruhomat::win32 {
namespace {

// Static styles in the order of forms::Alignment.
constexpr std::array<DWORD, 3> alignments{SS_LEFT, SS_RIGHT, SS_CENTER};

}  // namespace

NativeControl::WindowClass Label::windowClass() const {
    return {L"STATIC", SS_NOTIFY | SS_NOPREFIX | alignments.at(static_cast<std::size_t>(control().alignment)), 0};
}

bool Label::controlMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        HDC context = BeginPaint(handle(), &paint);
        DefSubclassProc(handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(context), PRF_CLIENT | PRF_ERASEBKGND);
        window().drawFocusMark(context, index());
        EndPaint(handle(), &paint);
        return true;
    }
    return pointerMessage(message, lParam);
}

}  // namespace pruhomat::win32
