#pragma once

#include <memory>

#include "form_window.h"
#include "pixel_scale.h"
#include "session.h"
#include "widgets.h"

namespace pruhomat::fltk {

// The platform as FLTK gives it: native windows for forms, fl_message, xdg-open.
class FltkPort final : public forms::PlatformPort, private forms::WindowEnds {
public:
    using Window = FormWindow;

    explicit FltkPort(forms::PixelScale scale);

    // Opens the main window, centred. The caller keeps the window, and must close it before
    // the form goes.
    std::unique_ptr<FormWindow> openMainWindow(forms::Form& form);
    // FLTK's loop, until every window is hidden.
    int run(FormWindow& mainWindow);

    // To the clipboard and the primary selection alike.
    void copyText(std::string_view text) override;
    void popupMenu(std::span<const forms::MenuItem> items, const forms::MenuPlace& place,
                   std::function<void(int)> chosen) override;
    void messageBox(std::string_view prompt, std::string_view title, forms::MessageKind kind,
                    std::function<void()> closed) override;
    // xdg-open, started with an argument vector and never waited for.
    void openLink(forms::WindowHandle owner, std::string_view target) override;
    void showModal(forms::Form& form, std::function<void()> closed) override;

    // Unloading is the session's: the main window's form ends the program, a dialog's its loop.
    void unload(forms::Form& form) override { session_.unload(form); }
    forms::WindowHandle windowHandle(const forms::Control& control) override { return session_.windowHandle(control); }

private:
    // Every window is hidden by then, which ends FLTK's loop.
    void endProgram() override {}
    void dialogUnloaded(forms::FormView& view) override { view.hide(); }

    std::unique_ptr<FormWindow> createWindow(forms::Form& form);
    static void onCloseBox(Fl_Widget* window, void* port);

    forms::Session session_{*this};
    forms::PixelScale scale_;
    ImageCache images_;
    const FormWindow* mainWindow_ = nullptr;
};

}  // namespace pruhomat::fltk
