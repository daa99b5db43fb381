#pragma once

#include <cstddef>

#include "form.h"
#include "keys.h"

namespace pruhomat::forms {

// The keys every window shares, whatever its form: Tab along the tab order, the arrows within a
// group of options and through a combo box's items, Space and Enter on a frame, Enter on a push
// button and on the default button, Esc on the cancel button, and the Menu key. Disabled controls
// take no click and are no stop.

// The first option button of its container, where the arrow keys' group of options begins.
bool startsOptionGroup(const Form& form, std::size_t index);

// What became of a key: whether anything took it, the control to take the keyboard next
// (noControl to leave it where it is), and for the Menu key where the context menu opens: below
// the control with the keyboard (its focus mark where it has one), in twips on the form.
struct KeyOutcome {
    bool handled = false;
    std::size_t focus = noControl;
    bool menu = false;
    int menuX = 0;
    int menuY = 0;
};

// The stop Tab, or Shift+Tab, moves the keyboard to; noControl where the form has none.
std::size_t nextTabStop(const Form& form, std::size_t focused, bool backwards);

// The buttons Enter and Esc press; noControl where the form has none.
std::size_t defaultButton(const Form& form);
std::size_t cancelButton(const Form& form);

// A key the form's own handler left: what it does by these rules, clicks included.
KeyOutcome sharedKey(Form& form, std::size_t focused, const KeyInput& key);

}  // namespace pruhomat::forms
