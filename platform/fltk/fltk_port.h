#pragma once

#include <memory>
#include <vector>

#include "form_window.h"
#include "platform_port.h"
#include "scaling.h"
#include "widgets.h"

namespace pruhomat::fltk {

// The platform as FLTK gives it: native windows for forms, fl_message, xdg-open.
class FltkPort : public forms::PlatformPort {
public:
    explicit FltkPort(forms::PixelScale scale);
    ~FltkPort() override;

    // Opens the main window, centred. The caller keeps the window, and must close it before
    // the form goes.
    std::unique_ptr<FormWindow> openMainWindow(forms::Form& form);

    int messageBox(std::string_view prompt, std::string_view title, int style) override;
    void shellExecute(forms::WindowHandle parent, std::string_view operation, std::string_view file,
                      std::string_view parameters, std::string_view directory, int showCommand) override;
    void showModal(forms::Form& form) override;
    void unload(forms::Form& form) override;
    forms::WindowHandle windowHandle(const forms::Control& control) override;

    // The open window showing a form; null when none does.
    FormWindow* windowOf(const forms::Form& form);

    // Brings every open window up to date with its form.
    void syncAll();

private:
    std::unique_ptr<FormWindow> createWindow(forms::Form& form);
    static void onCloseBox(Fl_Widget* window, void* port);

    forms::PixelScale scale_;
    ImageCache images_;
    std::vector<FormWindow*> windows_;  // the open windows, the main window first
};

}  // namespace pruhomat::fltk
