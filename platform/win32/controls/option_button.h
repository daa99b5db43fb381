#pragma once

#include "checked_button.h"

namespace pruhomat::win32 {

// An option button; the first of its container starts the group the arrow keys go through.
class OptionButton final : public CheckedButton {
public:
    using CheckedButton::CheckedButton;

private:
    WindowClass windowClass() const override;
};

}  // namespace pruhomat::win32
