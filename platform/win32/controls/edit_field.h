#pragma once

#include "native_control.h"

namespace pruhomat::win32 {

// A text box: the system's edit field. What the user types goes to the core at once; what a
// handler sets comes back without being taken for typing.
class EditField final : public NativeControl {
public:
    using NativeControl::NativeControl;
    void apply(forms::PropertySet changed) override;
    // Reached by the keyboard with its whole text selected, so that typing replaces it.
    void focus() override;

private:
    WindowClass windowClass() const override { return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE}; }
    void created() override;
    void notified(WORD notification) override;

    bool settingText_ = false;
};

}  // namespace pruhomat::win32
