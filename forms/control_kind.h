#pragma once

#include <cstdint>

namespace pruhomat::forms {

// A text box is a one-line edit field whose caption is its text; a combo box a drop-down list to
// choose one of its items from.
enum class ControlKind : std::uint8_t { Frame, Label, PictureBox, CommandButton, OptionButton, CheckBox, TextBox, ComboBox };

// What a screen reader is told a control is; each front-end names it in its toolkit's words.
enum class ReaderRole : std::uint8_t {
    PushButton,
    CheckBox,
    RadioButton,
    Text,
    ComboBox,
    Label,
    Picture,
    Grouping,
    Link,
    List,
    ListItem,
};

// How a control of the kind toggles when clicked: not, as a check box, or as one option of its
// container's group.
enum class Toggle : std::uint8_t { Not, Check, Option };

// What each kind of control is, to every rule that depends on it.
struct KindTraits {
    // What a reader is told a control of the kind is, where no handler makes it a button, a link
    // or a list (a label, a picture or a frame that is clicked or stopped on).
    ReaderRole role;
    // The toolkit's own widget, which takes the pointer and the keyboard itself.
    bool takesPointerItself;
    // Typing or choosing, not clicking, reaches it through onChange.
    bool isInputField;
    // Holds other controls, and stops the keyboard as a list of them.
    bool isContainer;
    Toggle toggle;
    // Enter presses it where it has the keyboard, as Space does a container.
    bool isPushButton;
    // Up and Down choose among its items.
    bool hasItems;
    // Pictures at one place are a stack, one shown at a time.
    bool stacks;
};

const KindTraits& traitsOf(ControlKind kind);

}  // namespace pruhomat::forms
