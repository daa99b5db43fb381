#pragma once

#include "fltk_port.h"
#include "program.h"

namespace pruhomat::fltk {

// The Linux program: the display's scale and the user's decimal separator.
class Application : public Program<FltkPort> {
public:
    Application();
};

}  // namespace pruhomat::fltk
