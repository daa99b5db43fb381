#pragma once

#include "fltk_port.h"
#include "form1.h"

namespace pruhomat::fltk {

// The Linux program: the main window on FLTK, with the user's decimal separator.
class Application {
public:
    Application();

    FltkPort& port() { return port_; }
    Form1& form1() { return form1_; }
    FormWindow& mainWindow() { return mainWindow_; }

    // Runs until the main window is unloaded.
    int run();

private:
    FltkPort port_;
    Form1 form1_;
    FormWindow& mainWindow_;
};

}  // namespace pruhomat::fltk
