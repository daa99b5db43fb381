#pragma once

#include <windows.h>
#include <oleacc.h>

#include "control.h"

namespace pruhomat::win32 {

// The answer to WM_GETOBJECT for the client of a control's window: the system's own accessible
// object, with the name, role and selection the control gives.
LRESULT accessibleObjectFor(HWND window, const forms::Control& control, WPARAM flags);

}  // namespace pruhomat::win32
