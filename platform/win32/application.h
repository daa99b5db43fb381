#pragma once

#include "form1.h"
#include "win32_port.h"

namespace pruhomat::win32 {

// The Windows program: the main window with the user's decimal separator.
class Application {
public:
    Application();

    Win32Port& port() { return port_; }
    Form1& form1() { return form1_; }
    FormWindow& mainWindow() { return mainWindow_; }

    // Runs the message loop until the main window is unloaded.
    int run();

private:
    Win32Port port_;
    Form1 form1_;
    FormWindow& mainWindow_;
};

}  // namespace pruhomat::win32
