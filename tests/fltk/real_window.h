#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "application.h"
#include "x_session.h"

namespace pruhomat::testing {

// The real program in a real window on the X server the test runs under, driven by real
// pointer and key events at the laid-out positions.
class RealWindow : public ::testing::Test {
public:
    // The pixel rectangle of a control, from its laid-out twips.
    struct PixelRect {
        int x;
        int y;
        int width;
        int height;
    };

protected:
    void SetUp() override;
    void TearDown() override;

    fltk::FormWindow& window() { return application->mainWindow(); }
    const ResistorState& state() { return application->form1().state(); }

    // Clicks the centre of a control of the window showing the form.
    void click(fltk::FormWindow& window, std::string_view name);
    void click(std::string_view name) { click(window(), name); }
    void clicks(std::initializer_list<std::string_view> names) {
        for (const auto name : names) {
            click(name);
        }
    }

    // What the native widget shows.
    std::string caption(std::string_view name) { return window().widget(name)->label(); }
    bool shown(std::string_view name) { return window().widget(name)->visible() != 0; }

    static PixelRect pixelRect(forms::Form& form, std::string_view name);

    std::unique_ptr<fltk::Application> application;
};

}  // namespace pruhomat::testing
