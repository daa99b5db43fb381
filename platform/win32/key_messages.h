#pragma once

#include <windows.h>

#include <optional>

#include "keys.h"

namespace pruhomat::win32 {

// The key of a WM_KEYDOWN, WM_SYSKEYDOWN or WM_CHAR message as the core names keys; none for a
// key the program has no use for, or one whose character is still to come as WM_CHAR.
std::optional<forms::KeyInput> keyOfMessage(const MSG& message);

}  // namespace pruhomat::win32
