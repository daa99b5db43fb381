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

// What a message box tells: each has an OK button and the matching icon.
enum class MessageKind : std::uint8_t { Information };

// What the handlers need of the platform. Each front-end implements it; tests record the calls.
class PlatformPort {
public:
    virtual ~PlatformPort() = default;

    // Modal: returns once the user has closed the box.
    virtual void messageBox(std::string_view prompt, std::string_view title, MessageKind kind) = 0;

    // A web address or mail link handed to the desktop, for the owner window's sake. The outcome
    // is not reported: a link that cannot be opened is silently ignored.
    virtual void openLink(WindowHandle owner, std::string_view target) = 0;

    // Returns once the form has been unloaded; the other windows take no input meanwhile.
    virtual void showModal(Form& form) = 0;

    virtual void unload(Form& form) = 0;

    virtual WindowHandle windowHandle(const Control& control) = 0;

    // Text for other programs to paste (UTF-8).
    virtual void copyText(std::string_view text) = 0;

    // A context menu where the session placed it (menuPlace): at the pointer, or below the
    // keyboard's place when a key asked for it; returns the index of the item chosen, or noMenuItem.
    virtual int popupMenu(std::span<const MenuItem> items) = 0;
};

}  // namespace pruhomat::forms
