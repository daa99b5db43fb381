#pragma once

#include "native_control.h"

namespace pruhomat::win32 {

// A combo box: the system's drop-down list, whose window reaches down over its open list and
// whose field is as tall as the control's box.
class DropDownList final : public NativeControl {
public:
    using NativeControl::NativeControl;
    void apply(forms::PropertySet changed) override;
    void place(const forms::Rect& box) override;
    // While open it keeps its keys: Enter and Esc close the list, not the dialog.
    bool keepsKeys() const override;

private:
    WindowClass windowClass() const override { return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0}; }
    void created() override;
    void notified(WORD notification) override;
    void fitField(int height) const;
    void addItems() const;
};

}  // namespace pruhomat::win32
