#pragma once

#include <cstdint>
#include <functional>
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

// Where a context menu opens: in the window of the form, at a point of its client area in twips
// (at the pointer, or below the keyboard's place when a key asked for it).
struct MenuPlace {
    const Form* form = nullptr;
    int x = 0;
    int y = 0;
};

// What a message box tells: each has an OK button and the matching icon.
enum class MessageKind : std::uint8_t { Information };

// What the handlers need of the platform. Each front-end implements it; tests record the calls.
// What waits for the user takes what to do once the user has answered: a desktop calls it when
// its modal loop returns, a front-end that cannot block when the answer comes.
class PlatformPort {
public:
    virtual ~PlatformPort() = default;

    // Modal: `closed` runs once the user has closed the box.
    virtual void messageBox(std::string_view prompt, std::string_view title, MessageKind kind,
                            std::function<void()> closed) = 0;

    // A web address or mail link handed to the desktop, for the owner window's sake. The outcome
    // is not reported: a link that cannot be opened is silently ignored.
    virtual void openLink(WindowHandle owner, std::string_view target) = 0;

    // The other windows take no input until the form has been unloaded; then `closed` runs.
    virtual void showModal(Form& form, std::function<void()> closed) = 0;

    virtual void unload(Form& form) = 0;

    virtual WindowHandle windowHandle(const Control& control) = 0;

    // Text for other programs to paste (UTF-8).
    virtual void copyText(std::string_view text) = 0;

    // A context menu at the place; `chosen` runs with the index of the item chosen, or noMenuItem.
    virtual void popupMenu(std::span<const MenuItem> items, const MenuPlace& place, std::function<void(int)> chosen) = 0;
};

}  // namespace pruhomat::forms
