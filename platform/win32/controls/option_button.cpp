#include "option_button.h"

#include "form_window.h"
#include "session.h"

namespace pruhomat::win32 {

NativeControl::WindowClass OptionButton::windowClass() const {
    const bool startsGroup = forms::startsOptionGroup(window().form(), index());
    return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | BS_RADIOBUTTON | (startsGroup ? WS_GROUP : 0)), 0};
}

}  // namespace pruhomat::win32
