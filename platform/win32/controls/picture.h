#pragma once

#include "native_control.h"

namespace pruhomat::win32 {

// A picture box: our own class, drawing its picture unscaled at its top-left corner on the
// system face colour at the window's density.
class Picture final : public NativeControl {
public:
    using NativeControl::NativeControl;
    void apply(forms::PropertySet changed) override;

private:
    WindowClass windowClass() const override { return {pictureClass, 0, 0}; }
    void paintContent(HDC context, const RECT& client) override;
};

}  // namespace pruhomat::win32
