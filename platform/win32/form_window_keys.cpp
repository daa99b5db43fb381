// The keyboard of a form's window: keys go to the core before the dialog manager sees them, and
// a frame that holds the keyboard shows a dotted focus rectangle across itself and its children.
#include "form_window.h"
#include "key_messages.h"

namespace pruhomat::win32 {

bool FormWindow::translateKey(const MSG& message) {
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) {
        return false;
    }
    const auto key = keyOfMessage(message);
    const std::size_t focused = focusedControl();
    if (!key || listIsOpen(focused)) {
        return false;
    }
    const forms::KeyOutcome outcome = session_.keyPressed(*this, focused, *key);
    if (outcome.focus != forms::noControl && session_.isOpen(*this)) {
        focusControl(outcome.focus);
    }
    return outcome.handled;
}

std::size_t FormWindow::focusedControl() const {
    const HWND focused = GetFocus();
    if (focused == nullptr || !IsChild(window_, focused)) {
        return forms::noControl;
    }
    const int id = GetDlgCtrlID(focused);
    return id >= firstControlId ? static_cast<std::size_t>(id - firstControlId) : forms::noControl;
}

// Over the frame's own surface and every child it crosses, so that it reads as one rectangle.
void FormWindow::redrawFocusMark(HWND frame) {
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The part of the focused frame's mark that crosses the control, drawn on its surface.
void FormWindow::drawFocusMark(HDC context, std::size_t index) {
    const std::size_t focused = focusedControl();
    if (focused == forms::noControl || form_.controls()[focused].kind() != forms::ControlKind::Frame) {
        return;
    }
    std::size_t ancestor = index;
    while (ancestor != forms::noControl && ancestor != focused) {
        ancestor = form_.controls()[ancestor].parent();
    }
    if (ancestor != focused) {
        return;
    }
    const forms::Rect& mark = form_.controls()[focused].focusMark();
    RECT outline{};
    if (mark.isEmpty()) {
        GetClientRect(handles_[focused], &outline);
    } else {
        outline = {scale_.pixels(mark.left), scale_.pixels(mark.top), scale_.pixels(mark.left + mark.width),
                   scale_.pixels(mark.top + mark.height)};
    }
    MapWindowPoints(handles_[focused], handles_[index], reinterpret_cast<POINT*>(&outline), 2);
    DrawFocusRect(context, &outline);
}

}  // namespace pruhomat::win32
