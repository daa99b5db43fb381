#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace pruhomat::forms {

class Control;
class Form;

using WindowHandle = std::uintptr_t;

// An item of a context menu, with the letter that Ctrl takes as its shortcut.
struct MenuItem {
    std::string_view text;
    char shortcutLetter = 0;
};
inline constexpr int noMenuItem = -1;

// Message box style bits, as the Windows API numbers them.
inline constexpr int messageBoxOk = 0;
inline constexpr int messageBoxInformation = 64;
inline constexpr int messageBoxAnswerOk = 1;

// What the handlers need of the platform. Each front-end implements it; tests record the calls.
class PlatformPort {
public:
    virtual ~PlatformPort() = default;

    // Modal: returns the button pressed once the box is closed.
    virtual int messageBox(std::string_view prompt, std::string_view title, int style) = 0;

    // The outcome is not reported: a link that cannot be opened is silently ignored.
    virtual void shellExecute(WindowHandle parent, std::string_view operation, std::string_view file,
                              std::string_view parameters, std::string_view directory, int showCommand) = 0;

    // Returns once the form has been unloaded; the other windows take no input meanwhile.
    virtual void showModal(Form& form) = 0;

    virtual void unload(Form& form) = 0;

    virtual WindowHandle windowHandle(const Control& control) = 0;

    // Text for other programs to paste (UTF-8).
    virtual void copyText(std::string_view text) = 0;

    // A context menu at the pointer, or at the keyboard's place when a key asked for it; returns
    // the index of the item chosen, or noMenuItem.
    virtual int popupMenu(std::span<const MenuItem> items) = 0;
};

}  // namespace pruhomat::forms
