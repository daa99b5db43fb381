#pragma once

#include "program.h"
#include "win32_port.h"

namespace pruhomat::win32 {

// The Windows program, with the user's decimal separator.
class Application : public Program<Win32Port> {
public:
    Application();
};

}  // namespace pruhomat::win32
