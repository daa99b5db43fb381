#include "key_events.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/fl_utf8.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace pruhomat::fltk {
namespace {

using forms::Key;
using FlKeyName = forms::KeyName<int>;

// The keypad's Enter is Enter; its digits come as the text typed.
constexpr std::array<FlKeyName, 13> namedKeys{{
    {FL_Tab, Key::Tab}, {FL_Left, Key::Left}, {FL_Right, Key::Right}, {FL_Up, Key::Up},
    {FL_Down, Key::Down}, {FL_Home, Key::Home}, {FL_End, Key::End}, {' ', Key::Space},
    {FL_Enter, Key::Enter}, {FL_KP_Enter, Key::Enter}, {FL_Escape, Key::Escape}, {FL_Menu, Key::Menu}, {FL_F + 10, Key::F10},
}};

}  // namespace

std::optional<forms::KeyInput> keyOfEvent() {
    const int flKey = Fl::event_key();
    forms::KeyInput press;
    press.control = Fl::event_state(FL_CTRL) != 0;
    press.shift = Fl::event_state(FL_SHIFT) != 0;
    if (const auto* named = std::ranges::find(namedKeys, flKey, &FlKeyName::native); named != namedKeys.end()) {
        press.key = named->key;
        return press;
    }
    // With Ctrl the key's own letter; otherwise the character typed, keypad digits included.
    if (press.control && flKey >= 'a' && flKey <= 'z') {
        press.character = static_cast<char32_t>(flKey);
        return press;
    }
    const char* text = Fl::event_text();
    const int length = Fl::event_length();
    if (length <= 0) {
        return std::nullopt;
    }
    int used = 0;
    press.character = fl_utf8decode(text, text + length, &used);
    return press;
}

}  // namespace pruhomat::fltk
