#pragma once

#include <memory>

#include "form1.h"
#include "win32_port.h"

namespace pruhomat::win32 {

// The Windows program: the main window with the user's decimal separator.
class Application {
public:
    Application();

    Win32Port& port() { return port_; }
    Form1& form1() { return form1_; }
    FormWindow& mainWindow() { return *mainWindow_; }

    // Runs the message loop until the main window is unloaded.
    int run();

private:
    // Declared in the order of use, so that the window goes before the form it shows and the
    // form before the port it calls.
    Win32Port port_;
    Form1 form1_;
    std::unique_ptr<FormWindow> mainWindow_;
};

}  // namespace pruhomat::win32
