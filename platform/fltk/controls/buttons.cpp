#include "buttons.h"

#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Round_Button.H>

#include "form_window.h"

namespace pruhomat::fltk {

template <typename Widget>
Button<Widget>::Button(FormWindow& window, std::size_t index, const forms::Rect& box)
    : FltkControl(window, index), button_(new Widget(box.left, box.top, box.width, box.height)) {
    bind(*button_, true);
    if (control().traits().toggle != forms::Toggle::Not) {
        button_->type(FL_TOGGLE_BUTTON);
        button_->selection_color(FL_FOREGROUND_COLOR);
    }
    button_->value(control().value() ? 1 : 0);
}

template <typename Widget>
void Button<Widget>::apply(forms::PropertySet changed) {
    FltkControl::apply(changed);
    if (changed & forms::ValueProperty) {
        button_->value(control().value() ? 1 : 0);
    }
}

// FLTK has already toggled the button; the form decides its value.
template <typename Widget>
void Button<Widget>::report() {
    button_->value(control().value() ? 1 : 0);
    window().controller().click(index(), forms::WindowController::KeyboardFollows::Yes);
}

template class Button<Fl_Button>;
template class Button<Fl_Check_Button>;
template class Button<Fl_Round_Button>;

}  // namespace pruhomat::fltk
