#pragma once

#include <memory>
#include <string>
#include <utility>

#include "form1.h"

namespace pruhomat {

// The program on one front-end: its port, the main window's form and the native window that
// shows it. The port opens the main window (openMainWindow) and runs the event loop (run).
template <typename Port>
class Program {
public:
    template <typename... PortArguments>
    explicit Program(std::string decimalSeparator, PortArguments&&... portArguments)
        : port_(std::forward<PortArguments>(portArguments)...),
          form1_(port_, std::move(decimalSeparator)),
          mainWindow_(openMainWindow()) {}

    Port& port() { return port_; }
    Form1& form1() { return form1_; }
    typename Port::Window& mainWindow() { return *mainWindow_; }

    // Until the main window's form is unloaded.
    int run() { return port_.run(*mainWindow_); }

private:
    // Laid out for the screen first, where the port knows its shape.
    std::unique_ptr<typename Port::Window> openMainWindow() {
        if constexpr (requires { port_.screenShape(); }) {
            form1_.fitScreen(port_.screenShape());
        }
        return port_.openMainWindow(form1_.form());
    }

    // Declared in the order of use, so that the window goes before the form it shows and the
    // form before the port it calls.
    Port port_;
    Form1 form1_;
    std::unique_ptr<typename Port::Window> mainWindow_;
};

}  // namespace pruhomat
