#include "win32_port.h"

#include <string>

#include "dpi.h"
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
    auto window = std::make_unique<FormWindow>(form, pictures_, nullptr, session_);
    mainWindow_ = window->handle();
    window->showPlaced();
    return window;
}

int Win32Port::run(FormWindow& mainWindow) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatch(message, mainWindow);
    }
    return static_cast<int>(message.wParam);
}

void Win32Port::copyText(std::string_view text) { clipboard_.copy(mainWindow_, wide(text)); }

// At its place in the window that asked for it, at that window's density.
void Win32Port::popupMenu(std::span<const forms::MenuItem> items, const forms::MenuPlace& place,
                          std::function<void(int)> chosen) {
    HMENU menu = CreatePopupMenu();
    for (std::size_t index = 0; index < items.size(); ++index) {
        AppendMenuW(menu, MF_STRING, index + 1, menuText(items[index]).c_str());
    }
    HWND window = reinterpret_cast<HWND>(session_.windowHandle(*place.form));
    const forms::PixelScale scale(static_cast<int>(windowDpi(window)));
    POINT at{scale.pixels(place.x), scale.pixels(place.y)};
    ClientToScreen(window, &at);
    const int item = static_cast<int>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, mainWindow_, nullptr));
    DestroyMenu(menu);
    chosen(item == 0 ? forms::noMenuItem : item - 1);
}

void Win32Port::messageBox(std::string_view prompt, std::string_view title, forms::MessageKind,
                           std::function<void()> closed) {
    MessageBoxW(mainWindow_, wide(prompt).c_str(), wide(title).c_str(), MB_OK | MB_ICONINFORMATION);
    closed();
}

// Through ShellExecuteA with the ANSI code page; what the shell makes of it is not the
// program's concern, so the result is ignored.
void Win32Port::openLink(forms::WindowHandle owner, std::string_view target) {
    const std::string file = ansi(target);
    shellExecuteA(reinterpret_cast<HWND>(owner), "open", file.c_str(), "", "", SW_SHOWNORMAL);
}

void Win32Port::showModal(forms::Form& form, std::function<void()> closed) {
    HWND owner = mainWindow_;
    HWND focused = GetFocus();
    auto dialog = std::make_unique<FormWindow>(form, pictures_, owner, session_);
    EnableWindow(owner, FALSE);
    dialog->showPlaced();
    MSG message{};
    while (session_.isOpen(dialog->controller())) {
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
    closed();
}

}  // namespace pruhomat::win32
