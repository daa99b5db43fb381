#pragma once

#include <cstdint>

namespace pruhomat::forms {

// A key as the front-ends report it, whatever the toolkit; a character comes as typed, whatever
// the keyboard layout, the numeric keypad's digits included.
// F10 counts with Shift only, as the Menu key.
enum class Key : std::uint8_t { Tab, Left, Right, Up, Down, Home, End, Space, Enter, Escape, Menu, F10, Character };

struct KeyInput {
    Key key = Key::Character;
    char32_t character = 0;  // for Key::Character; letters in lower case when Ctrl is held
    bool control = false;
    bool shift = false;
};

// A row of a front-end's table from its own key codes to the core's keys.
template <typename NativeKey>
struct KeyName {
    NativeKey native;
    Key key;
};

}  // namespace pruhomat::forms
