#include "win32_port.h"

#include <windowsx.h>

#include <cstring>
#include <string>

#include "module1.h"
#include "text.h"

namespace pruhomat::win32 {
namespace {

// The core takes the keys it has a use for; the dialog manager gives the buttons theirs.
void dispatch(MSG& message, FormWindow& window) {
    if (!window.translateKey(message) && !IsDialogMessageW(window.handle(), &message)) {
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
        dispatch(message, mainWindow);
    }
    return static_cast<int>(message.wParam);
}

void Win32Port::copyText(std::string_view text) {
    const std::wstring copied = wide(text);
    if (!OpenClipboard(mainWindow_)) {
        return;
    }
    EmptyClipboard();
    const std::size_t bytes = (copied.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(memory), copied.c_str(), bytes);
        GlobalUnlock(memory);
        // The clipboard owns the memory once it has taken it.
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

int Win32Port::popupMenu(std::span<const forms::MenuItem> items) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t index = 0; index < items.size(); ++index) {
        AppendMenuW(menu, MF_STRING, index + 1, menuText(items[index]).c_str());
    }
    const DWORD cursor = GetMessagePos();
    POINT at{GET_X_LPARAM(cursor), GET_Y_LPARAM(cursor)};
    if (HWND focused = GetFocus(); focused != nullptr && (GetKeyState(VK_APPS) < 0 || GetKeyState(VK_F10) < 0)) {
        RECT bounds{};
        GetWindowRect(focused, &bounds);
        at = {bounds.left, bounds.bottom};
    }
    const int chosen = static_cast<int>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, mainWindow_, nullptr));
    DestroyMenu(menu);
    return chosen == 0 ? forms::noMenuItem : chosen - 1;
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
    dialog->focusFirstStop();
    MSG message{};
    while (isOpen(*dialog)) {
        if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        dispatch(message, *dialog);
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
