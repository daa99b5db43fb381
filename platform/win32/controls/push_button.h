#pragma once

#include "native_control.h"

namespace pruhomat::win32 {

// A command button: the system's push button, the default one drawn as such.
class PushButton final : public NativeControl {
public:
    using NativeControl::NativeControl;

private:
    WindowClass windowClass() const override;
    void notified(WORD notification) override;
};

}  // namespace pruhomat::win32
