#include "push_button.h"

#include "form_window.h"

namespace pruhomat::win32 {

NativeControl::WindowClass PushButton::windowClass() const {
    return {L"BUTTON", WS_TABSTOP | static_cast<DWORD>(control().isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
}

void PushButton::notified(WORD notification) {
    if (notification == BN_CLICKED) {
        window().controller().click(index(), forms::WindowController::KeyboardFollows::Yes);
    }
}

}  // namespace pruhomat::win32
