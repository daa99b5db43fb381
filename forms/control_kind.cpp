#include "control_kind.h"

#include <array>

namespace pruhomat::forms {
namespace {

// In the order of ControlKind: the one table of what each kind is.
constexpr std::array<KindTraits, 8> kinds{{
    // role, toolkit's, input, container, toggle, push button, items, stacks
    {ReaderRole::Grouping, false, false, true, Toggle::Not, false, false, false},       // Frame
    {ReaderRole::Label, false, false, false, Toggle::Not, false, false, false},         // Label
    {ReaderRole::Picture, false, false, false, Toggle::Not, false, false, true},        // PictureBox
    {ReaderRole::PushButton, true, false, false, Toggle::Not, true, false, false},      // CommandButton
    {ReaderRole::RadioButton, true, false, false, Toggle::Option, false, false, false},  // OptionButton
    {ReaderRole::CheckBox, true, false, false, Toggle::Check, false, false, false},      // CheckBox
    {ReaderRole::Text, true, true, false, Toggle::Not, false, false, false},            // TextBox
    {ReaderRole::ComboBox, true, true, false, Toggle::Not, false, true, false},         // ComboBox
}};

}  // namespace

const KindTraits& traitsOf(ControlKind kind) { return kinds.at(static_cast<std::size_t>(kind)); }

}  // namespace pruhomat::forms
