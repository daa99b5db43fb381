#include "win32_port.h"

#include <algorithm>
#include <string>

#include "module1.h"
#include "text.h"

namespace pruhomat::win32 {

Win32Port::~Win32Port() = default;

std::unique_ptr<FormWindow> Win32Port::createWindow(forms::Form& form, HWND owner) {
    FormWindow::Events events{[this] { syncAll(); },
                              [this, &form] {
                                  // The close box acts as the cancel button where there is one.
                                  if (!windowOf(form)->clickCancelButton()) {
                                      unload(form);
                                  }
                              },
                              [this](FormWindow& closed) {
                                  std::erase(windows_, &closed);
                                  std::erase(unloaded_, &closed);
                              }};
    auto window = std::make_unique<FormWindow>(form, pictures_, owner, std::move(events));
    windows_.push_back(window.get());
    return window;
}

std::unique_ptr<FormWindow> Win32Port::openMainWindow(forms::Form& form) {
    auto window = createWindow(form, nullptr);
    window->showCentred();
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
    HWND focused = GetFocus();
    auto dialog = createWindow(form, owner);
    EnableWindow(owner, FALSE);
    dialog->showCentred();
    dialog->focusDefaultButton();
    MSG message{};
    while (isOpen(*dialog)) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageW(dialog->handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // The owner is enabled while the dialog is still there, so that the system hands the
    // activation back to it and to no other program's window.
    EnableWindow(owner, TRUE);
    dialog.reset();
    SetActiveWindow(owner);
    if (IsWindow(focused) && IsChild(owner, focused)) {
        SetFocus(focused);
    }
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
    // The main window takes the program with it; a dialog goes once its modal loop has ended.
    if (window == windows_.front()) {
        ShowWindow(window->handle(), SW_HIDE);
        PostQuitMessage(0);
    }
}

forms::WindowHandle Win32Port::windowHandle(const forms::Control& control) {
    for (FormWindow* window : windows_) {
        if (window->form().owns(control)) {
            return reinterpret_cast<forms::WindowHandle>(window->handleOf(control.name()));
        }
    }
    return 0;
}

FormWindow* Win32Port::windowOf(const forms::Form& form) {
    for (FormWindow* window : windows_) {
        if (&window->form() == &form) {
            return window;
        }
    }
    return nullptr;
}

void Win32Port::syncAll() {
    for (FormWindow* window : windows_) {
        window->syncChanges();
    }
}

}  // namespace pruhomat::win32
