#pragma once

#include "native_control.h"

namespace pruhomat::win32 {

// What a check box and an option button share: the system's button whose check mark shows the
// control's value, and whose click the core decides.
class CheckedButton : public NativeControl {
public:
    using NativeControl::NativeControl;
    void apply(forms::PropertySet changed) override;

protected:
    void created() override;
    void notified(WORD notification) override;

private:
    void showValue();
};

}  // namespace pruhomat::win32
