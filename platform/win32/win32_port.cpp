#include "win32_port.h"

#include <string>

#include "module1.h"
#include "text.h"

namespace pruhomat::win32 {
namespace {

// Tab and the arrow keys move between the buttons, the check box and the option buttons of the
// window that has the keyboard.
void dispatch(MSG& message, HWND window) {
    if (!IsDialogMessageW(window, &message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

std::unique_ptr<FormWindow> Win32Port::openMainWindow(forms::Form& form) {
    auto window = std::make_unique<FormWindow>(form, pictures_, nullptr, *this);
    mainWindow_ = window->handle();
    window->showCentred();
    return window;
}

int Win32Port::run(FormWindow& mainWindow) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatch(message, mainWindow.handle());
    }
    return static_cast<int>(message.wParam);
}

int Win32Port::messageBox(std::string_view prompt, std::string_view title, int style) {
    return MessageBoxW(mainWindow_, wide(prompt).c_str(), wide(title).c_str(), static_cast<UINT>(style));
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
    HWND owner = mainWindow_;
    HWND focused = GetFocus();
    auto dialog = std::make_unique<FormWindow>(form, pictures_, owner, *this);
    EnableWindow(owner, FALSE);
    dialog->showCentred();
    dialog->focusDefaultButton();
    MSG message{};
    while (isOpen(*dialog)) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        dispatch(message, dialog->handle());
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

}  // namespace pruhomat::win32
