// The edit fields and drop-down lists of a form's window: what the user types or chooses goes
// to the core at once; what a handler sets comes back to the widget.
#include <FL/Fl.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>

#include "form_window.h"

namespace pruhomat::fltk {

Fl_Widget* FormWindow::createInput(const forms::Control& control, int x, int y, int width, int height) {
    if (control.kind() == forms::ControlKind::TextBox) {
        auto* input = new Fl_Input(x, y, width, height);
        input->when(FL_WHEN_CHANGED);
        input->value(control.caption().c_str());
        return input;
    }
    auto* choice = new Fl_Choice(x, y, width, height);
    for (const std::string& item : control.items) {
        choice->add(item.c_str());
    }
    choice->value(control.selectedItem());
    return choice;
}

void FormWindow::applyInputLooks(Fl_Widget& widget, int fontPixels) {
    if (auto* input = dynamic_cast<Fl_Input*>(&widget)) {
        input->textsize(fontPixels);
        input->textfont(FL_HELVETICA);
    } else if (auto* choice = dynamic_cast<Fl_Choice*>(&widget)) {
        choice->textsize(fontPixels);
        choice->textfont(FL_HELVETICA);
    }
}

void FormWindow::syncInput(Fl_Widget& widget, const forms::Control& control, std::uint8_t changed) {
    if (auto* input = dynamic_cast<Fl_Input*>(&widget); input != nullptr && (changed & forms::CaptionProperty) != 0) {
        input->value(control.caption().c_str());
    }
    if (auto* choice = dynamic_cast<Fl_Choice*>(&widget); choice != nullptr && (changed & forms::ValueProperty) != 0) {
        choice->value(control.selectedItem());
    }
}

void FormWindow::inputChanged(std::size_t index) {
    Fl_Widget* widget = widgets_[index];
    if (auto* input = dynamic_cast<Fl_Input*>(widget)) {
        session_.edited(*this, index, input->value());
    } else {
        session_.chosen(*this, index, static_cast<Fl_Choice*>(widget)->value());
    }
}

// An edit field reached by the keyboard has its whole text selected, so that typing replaces it.
void FormWindow::focusInput(std::size_t index) {
    if (auto* input = dynamic_cast<Fl_Input*>(widgets_[index])) {
        input->position(input->size(), 0);
    }
}

}  // namespace pruhomat::fltk
