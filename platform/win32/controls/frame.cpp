#include "frame.h"

#include <string>

#include "form_window.h"
#include "text.h"

namespace pruhomat::win32 {
namespace {

constexpr int captionIndent = 8;  // pixels at 96 dots per inch

}  // namespace

bool Frame::controlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // The controls in a frame tell the frame; the form's window handles them all.
            result = SendMessageW(window().handle(), message, wParam, lParam);
            return true;
        default:
            return NativeControl::controlMessage(message, wParam, lParam, result);
    }
}

void Frame::paintContent(HDC context, const RECT& client) {
    auto* previousFont = static_cast<HFONT>(SelectObject(context, font()));
    TEXTMETRICW metrics{};
    GetTextMetricsW(context, &metrics);
    RECT outline = client;
    outline.top = metrics.tmHeight / 2;
    DrawEdge(context, &outline, EDGE_ETCHED, BF_RECT);
    if (!control().caption().empty()) {
        const std::wstring caption = wide(control().caption());
        SetBkMode(context, OPAQUE);
        SetBkColor(context, FormWindow::colourRef(control().background()));
        SetTextColor(context, FormWindow::colourRef(control().foreground));
        TextOutW(context, window().controller().scale().fromStandard(captionIndent), 0, caption.c_str(),
                 static_cast<int>(caption.size()));
    }
    SelectObject(context, previousFont);
    window().drawFocusMark(context, index());
}

}  // namespace pruhomat::win32
