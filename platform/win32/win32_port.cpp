#include "win32_port.h"

#include <algorithm>
#include <string>

#include "module1.h"
#include "text.h"

namespace pruhomat::win32 {

Win32Port::~Win32Port() = default;

FormWindow& Win32Port::createWindow(forms::Form& form, HWND owner) {
    FormWindow::Events events{[this] { syncAll(); },
                              [this, &form] {
                                  // The close box acts as the cancel button where there is one.
                                  if (!windowOf(form)->clickCancelButton()) {
                                      unload(form);
                                  }
                              }};
    windows_.push_back(std::make_unique<FormWindow>(form, pictures_, owner, std::move(events)));
    return *windows_.back();
}

FormWindow& Win32Port::openMainWindow(forms::Form& form) {
    FormWindow& window = createWindow(form, nullptr);
    window.showCentred();
    return window;
}

int Win32Port::messageBox(std::string_view prompt, std::string_view title, int style) {
    HWND owner = windows_.empty() ? nullptr : windows_.front()->handle();
    return MessageBoxW(owner, wide(prompt).c_str(), wide(title).c_str(), static_cast<UINT>(style));
}

void Win32Port::shellExecute(forms::WindowHandle parent, std::string_view operation, std::string_view file,
                             std::string_view parameters, std::string_view directory, int showCommand) {
    const std::string operationText = ansi(operation);
    const std::string fileText = ansi(file);
    const std::string parametersText = ansi(parameters);
    const std::string directoryText = ansi(directory);
    // What the shell makes of it is not the program's concern: the result is ignored.
    shellExecuteA(reinterpret_cast<HWND>(parent), operationText.c_str(), fileText.c_str(), parametersText.c_str(),
                  directoryText.c_str(), showCommand);
}

void Win32Port::showModal(forms::Form& form) {
    HWND owner = windows_.front()->handle();
    FormWindow& dialog = createWindow(form, owner);
    EnableWindow(owner, FALSE);
    dialog.showCentred();
    dialog.focusDefaultButton();
    MSG message{};
    while (isOpen(dialog)) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageW(dialog.handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The owner comes back before the dialog goes, so that it gets the activation.
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
    std::erase(unloaded_, &dialog);
    std::erase_if(windows_, [&](const auto& window) { return window.get() == &dialog; });
}

bool Win32Port::isOpen(const FormWindow& window) const {
    return std::find(unloaded_.begin(), unloaded_.end(), &window) == unloaded_.end();
}

void Win32Port::unload(forms::Form& form) {
    FormWindow* window = windowOf(form);
    if (window == nullptr || !isOpen(*window)) {
        return;
    }
    unloaded_.push_back(window);
    ShowWindow(window->handle(), SW_HIDE);
    // The main window takes the program with it.
    if (window == windows_.front().get()) {
        PostQuitMessage(0);
    }
}

forms::WindowHandle Win32Port::windowHandle(const forms::Control& control) {
    for (const auto& window : windows_) {
        if (window->form().owns(control)) {
            return reinterpret_cast<forms::WindowHandle>(window->handleOf(control.name()));
        }
    }
    return 0;
}

FormWindow* Win32Port::windowOf(const forms::Form& form) {
    for (const auto& window : windows_) {
        if (&window->form() == &form) {
            return window.get();
        }
    }
    return nullptr;
}

void Win32Port::syncAll() {
    for (const auto& window : windows_) {
        window->syncChanges();
    }
}

}  // namespace pruhomat::win32
