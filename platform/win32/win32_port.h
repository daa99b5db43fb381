#pragma once

#include <windows.h>

#include <memory>

#include "clipboard.h"
#include "form_window.h"
#include "pictures.h"
#include "session.h"

namespace pruhomat::win32 {

// The platform as the Windows API gives it: windows for forms, MessageBoxW, ShellExecuteA.
class Win32Port final : public forms::PlatformPort, private forms::WindowEnds {
public:
    using Window = FormWindow;

    // Message boxes and modal forms are owned by the main window.
    void messageBox(std::string_view prompt, std::string_view title, forms::MessageKind kind,
                    std::function<void()> closed) override;
    void openLink(forms::WindowHandle owner, std::string_view target) override;
    void showModal(forms::Form& form, std::function<void()> closed) override;
    // As CF_UNICODETEXT, tried again for a while where another program holds the clipboard.
    void copyText(std::string_view text) override;
    // At the pointer for the right button; below the control with the keyboard for a key.
    void popupMenu(std::span<const forms::MenuItem> items, const forms::MenuPlace& place,
                   std::function<void(int)> chosen) override;

    // Opens the main window, centred; unloading its form ends the message loop. The caller
    // keeps the window, and must close it before the form goes.
    std::unique_ptr<FormWindow> openMainWindow(forms::Form& form);
    // The message loop, until the main window's form is unloaded.
    int run(FormWindow& mainWindow);

    // Unloading is the session's: the main window's form ends the program, a dialog's its loop.
    void unload(forms::Form& form) override { session_.unload(form); }
    forms::WindowHandle windowHandle(const forms::Control& control) override { return session_.windowHandle(control); }

private:
    void endProgram() override { PostQuitMessage(0); }
    // The modal loop sees the dialog unloaded and ends; the dialog goes once its owner is enabled.
    void dialogUnloaded(forms::FormView&) override {}

    forms::Session session_{*this};
    Pictures pictures_;
    Clipboard clipboard_;
    HWND mainWindow_ = nullptr;
};

}  // namespace pruhomat::win32
