#pragma once

#include "native_control.h"

namespace pruhomat::win32 {

// A frame: our own class, an etched outline with its caption, holding child controls whose
// notices it passes on to the form's window, and the keyboard's dotted mark while it has it.
class Frame final : public NativeControl {
public:
    using NativeControl::NativeControl;

private:
    WindowClass windowClass() const override { return {frameClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT}; }
    bool controlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void paintContent(HDC context, const RECT& client) override;
};

}  // namespace pruhomat::win32
