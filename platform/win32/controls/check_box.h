#pragma once

#include "checked_button.h"

namespace pruhomat::win32 {

// A check box, checked while its value is 1.
class CheckBox final : public CheckedButton {
public:
    using CheckedButton::CheckedButton;

private:
    WindowClass windowClass() const override { return {L"BUTTON", WS_TABSTOP | BS_CHECKBOX, 0}; }
};

}  // namespace pruhomat::win32
