#pragma once

#include <string>

#include "form1.h"
#include "reader.h"

namespace pruhomat::testing {

// A list item's selection is the keyboard's highlight, which only keys move.
inline bool isListItem(const forms::Form& form, std::size_t index) {
    return forms::readerRole(form, index) == forms::ReaderRole::ListItem;
}

// The first thing two main windows show differently, the state they hold included; empty when
// they are alike.

inline std::string differenceBetween(Form1& first, Form1& second) {
    const ResistorState& a = first.state();
    const ResistorState& b = second.state();
    if (a.band != b.band || a.num1 != b.num1 || a.num2 != b.num2 || a.num3 != b.num3 || a.num4 != b.num4 ||
        a.num5 != b.num5) {
        return "the states differ";
    }
    const auto& firstControls = first.form().controls();
    const auto& secondControls = second.form().controls();
    for (std::size_t index = 0; index < firstControls.size(); ++index) {
        const forms::Control& x = firstControls[index];
        const forms::Control& y = secondControls[index];
        if (x.visible() != y.visible() || x.caption() != y.caption() || x.background() != y.background() ||
            x.left() != y.left() || x.value() != y.value() || x.accessibleName() != y.accessibleName() ||
            (x.accessibleSelected() != y.accessibleSelected() && !isListItem(first.form(), index))) {
            return x.name() + " differs";
        }
    }
    return "";
}

}  // namespace pruhomat::testing
