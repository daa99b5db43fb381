#include "key_messages.h"

#include <algorithm>
#include <array>

namespace pruhomat::win32 {
namespace {

using forms::Key;
using VirtualKeyName = forms::KeyName<WPARAM>;

constexpr std::array<VirtualKeyName, 11> namedKeys{{{VK_TAB, Key::Tab},
                                                    {VK_LEFT, Key::Left},
                                                    {VK_RIGHT, Key::Right},
                                                    {VK_UP, Key::Up},
                                                    {VK_DOWN, Key::Down},
                                                    {VK_HOME, Key::Home},
                                                    {VK_END, Key::End},
                                                    {VK_SPACE, Key::Space},
                                                    {VK_RETURN, Key::Enter},
                                                    {VK_ESCAPE, Key::Escape},
                                                    {VK_APPS, Key::Menu}}};

bool isDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

std::optional<forms::KeyInput> keyOfMessage(const MSG& message) {
    forms::KeyInput input;
    input.control = isDown(VK_CONTROL);
    input.shift = isDown(VK_SHIFT);
    if (message.message == WM_CHAR) {
        // Control characters are the keys above, or Ctrl with a letter.
        if (message.wParam < L' ') {
            return std::nullopt;
        }
        input.character = static_cast<char32_t>(message.wParam);
        input.control = false;
        return input;
    }
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return std::nullopt;
    }
    if (message.wParam == VK_F10) {
        input.key = Key::F10;
        return input;
    }
    // Alt and its keys stay the system's.
    if (message.message == WM_SYSKEYDOWN) {
        return std::nullopt;
    }
    if (const auto* named = std::ranges::find(namedKeys, message.wParam, &VirtualKeyName::native);
        named != namedKeys.end()) {
        input.key = named->key;
        return input;
    }
    // The keypad's digits come as digits whatever the state of Num Lock.
    if (message.wParam >= VK_NUMPAD0 && message.wParam <= VK_NUMPAD9 && !input.control) {
        input.character = static_cast<char32_t>(U'0' + (message.wParam - VK_NUMPAD0));
        return input;
    }
    if (input.control && message.wParam >= 'A' && message.wParam <= 'Z') {
        input.character = static_cast<char32_t>(message.wParam - 'A' + 'a');
        return input;
    }
    return std::nullopt;
}

}  // namespace pruhomat::win32
