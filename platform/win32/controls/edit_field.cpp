#include "edit_field.h"

#include <string>

#include "form_window.h"
#include "text.h"

namespace pruhomat::win32 {

void EditField::apply(forms::PropertySet changed) {
    if (changed & forms::CaptionProperty) {
        settingText_ = true;
        SetWindowTextW(handle(), wide(control().caption()).c_str());
        settingText_ = false;
    }
    NativeControl::apply(changed & static_cast<forms::PropertySet>(~(forms::CaptionProperty | forms::ValueProperty)));
}

void EditField::focus() {
    SetFocus(handle());
    SendMessageW(handle(), EM_SETSEL, 0, -1);
}

void EditField::created() {
    if (control().longestText > 0) {
        SendMessageW(handle(), EM_LIMITTEXT, control().longestText, 0);
    }
}

void EditField::notified(WORD notification) {
    if (notification != EN_CHANGE || settingText_) {
        return;
    }
    const int length = GetWindowTextLengthW(handle());
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(handle(), text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    window().controller().edited(index(), utf8(text));
}

}  // namespace pruhomat::win32
