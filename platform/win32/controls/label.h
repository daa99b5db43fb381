#pragma once

#include "native_control.h"

namespace pruhomat::win32 {

// A label: the system's static text, which takes the pointer so that no click reaches a control
// behind it, and paints across itself the part of a focused frame's mark that crosses it.
class Label final : public NativeControl {
public:
    using NativeControl::NativeControl;

private:
    WindowClass windowClass() const override;
    bool controlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace pruhomat::win32
