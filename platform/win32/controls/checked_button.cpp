#include "checked_button.h"

#include "form_window.h"

namespace pruhomat::win32 {

void CheckedButton::apply(forms::PropertySet changed) {
    NativeControl::apply(changed);
    if (changed & forms::ValueProperty) {
        showValue();
    }
}

void CheckedButton::created() { showValue(); }

void CheckedButton::notified(WORD notification) {
    if (notification == BN_CLICKED) {
        window().controller().click(index(), forms::WindowController::KeyboardFollows::Yes);
    }
}

void CheckedButton::showValue() { SendMessageW(handle(), BM_SETCHECK, control().value() ? BST_CHECKED : BST_UNCHECKED, 0); }

}  // namespace pruhomat::win32
