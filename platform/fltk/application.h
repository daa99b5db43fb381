#pragma once

#include <memory>

#include "fltk_port.h"
#include "form1.h"

namespace pruhomat::fltk {

// The Linux program: the main window on FLTK, with the user's decimal separator.
class Application {
public:
    Application();

    FltkPort& port() { return port_; }
    Form1& form1() { return form1_; }
    FormWindow& mainWindow() { return *mainWindow_; }

    // Runs until the main window is unloaded.
    int run();

private:
    // Declared in the order of use, so that the window goes before the form it shows and the
    // form before the port it calls.
    FltkPort port_;
    Form1 form1_;
    std::unique_ptr<FormWindow> mainWindow_;
};

}  // namespace pruhomat::fltk
