#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "form.h"

namespace pruhomat::forms {

// A frame the keyboard stops on is a list of the clickable controls in it, which the arrow keys
// go through; other clickable pictures and labels are buttons, a clickable frame a link.
ReaderRole readerRole(const Form& form, std::size_t index);

// What a reader says the control is: its reader's name, else its caption.
const std::string& readerName(const Control& control);

// Pictures stacked at one place (the same corner), one shown at a time (a band's colours), are
// one object to a reader, whose name changes as another comes to the front. A stack is known by
// its backmost control, which stays; a control alone is a stack of one.
std::size_t stackOf(const Form& form, std::size_t index);
// The stack's control a reader meets now: its front shown one, else the stack's own.
std::size_t frontOf(const Form& form, std::size_t stack);

// The stacks a reader meets inside a container (noControl: the form), front first: those whose
// front is heard alone, and those inside containers that are not.
std::vector<std::size_t> readerChildren(const Form& form, std::size_t parent);

// The container a reader meets a control in: its nearest one heard alone, noControl for the form.
std::size_t readerContainer(const Form& form, std::size_t index);

// Where the reader's focus is while a control has the keyboard: on a list, its selected item.
std::size_t readerFocus(const Form& form, std::size_t focused);

// What a reader is told of a control's state.
struct ReaderStates {
    bool enabled = false;
    bool shown = false;
    bool heard = false;  // met on its own, not behind another control nor read with one
    bool focusable = false;
    bool focused = false;
    bool selectable = false;
    bool selected = false;
    bool checkable = false;
    bool checked = false;
    bool editable = false;
};
// The states of a control; `focused` is the control that has the keyboard, or noControl.
ReaderStates readerStates(const Form& form, std::size_t index, std::size_t focused);

// The tooltip a control shows under the pointer: its reader's name, or none.
std::string tooltipText(const Control& control);

// The item a combo box shows, as a reader hears its value; empty for none or another control.
std::string chosenItem(const Control& control);

// What a text box holds or another control shows, as a reader reads its text.
const std::string& readerText(const Control& control);

// Whether a reader may press the control as the pointer clicks it.
bool readerClickable(const Control& control);

// What a reader hears of a control's changed properties: a stack's picture coming to the front
// or going is a new name for the stack. The stack and the properties to announce.
std::pair<std::size_t, PropertySet> heardChange(const Form& form, std::size_t index, PropertySet properties);

}  // namespace pruhomat::forms
