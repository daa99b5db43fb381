#pragma once

#include <windows.h>
#include <oleacc.h>

#include <cstddef>

#include "form.h"

namespace pruhomat::win32 {

// The form and control a control's window shows; no form once the window is gone.
struct AccessibleTarget {
    const forms::Form* form = nullptr;
    std::size_t index = forms::noControl;
};
using TargetOfWindow = AccessibleTarget (*)(HWND window);

// The answer to WM_GETOBJECT for the client of a control's window: the system's own accessible
// object, with the name, role and states the core gives the control. It asks for the control
// through the window each time, and answers CO_E_OBJNOTCONNECTED once the window is gone.
LRESULT accessibleObjectFor(HWND window, WPARAM flags, TargetOfWindow targetOf);

}  // namespace pruhomat::win32
