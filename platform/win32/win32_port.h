#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "form_window.h"
#include "pictures.h"
#include "platform_port.h"

namespace pruhomat::win32 {

// The platform as the Windows API gives it: windows for forms, MessageBoxW, ShellExecuteA.
class Win32Port : public forms::PlatformPort {
public:
    Win32Port() = default;
    ~Win32Port() override;

    // Opens the main window, centred; unloading its form ends the message loop. The caller
    // keeps the window, and must close it before the form goes.
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
    std::unique_ptr<FormWindow> createWindow(forms::Form& form, HWND owner);
    bool isOpen(const FormWindow& window) const;

    Pictures pictures_;
    std::vector<FormWindow*> windows_;  // the open windows, the main window first
    std::vector<const FormWindow*> unloaded_;
};

}  // namespace pruhomat::win32
