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
    followSystemFocus();
    const std::size_t focused = controller_.focused();
    if (!key || (focused != forms::noControl && controls_[focused]->keepsKeys())) {
        return false;
    }
    return controller_.keyPressed(*key);
}

// The system moves the focus itself for its own controls; the controller follows.
void FormWindow::followSystemFocus() {
    const HWND focused = GetFocus();
    if (focused != nullptr && IsChild(window_, focused)) {
        if (const NativeControl* control = ownControl(focused)) {
            controller_.focusMovedTo(control->index());
        }
    }
}

void FormWindow::showFocusMark(std::size_t frame, const forms::Rect&) { redrawFocusMark(controls_.at(frame)->handle()); }

void FormWindow::redrawFocusMark(HWND frame) {
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The part of the focused frame's mark that crosses the control, drawn on its surface while
// the frame has the system's focus.
void FormWindow::drawFocusMark(HDC context, std::size_t index) {
    const std::size_t focused = controller_.focused();
    if (focused == forms::noControl || GetFocus() != controls_[focused]->handle()) {
        return;
    }
    std::size_t ancestor = index;
    while (ancestor != forms::noControl && ancestor != focused) {
        ancestor = form_.controls()[ancestor].parent();
    }
    const forms::Rect mark = controller_.focusMarkOf(focused);
    if (ancestor != focused || mark.isEmpty()) {
        return;
    }
    RECT outline{mark.left, mark.top, mark.left + mark.width, mark.top + mark.height};
    MapWindowPoints(controls_[focused]->handle(), controls_[index]->handle(), reinterpret_cast<POINT*>(&outline), 2);
    DrawFocusRect(context, &outline);
}

}  // namespace pruhomat::win32
