#include "text_field.h"

#include "form_window.h"

namespace pruhomat::fltk {

TextField::TextField(FormWindow& window, std::size_t index, const forms::Rect& box)
    : FltkControl(window, index), input_(new Fl_Input(box.left, box.top, box.width, box.height)) {
    bind(*input_, true);
    input_->when(FL_WHEN_CHANGED);
    input_->value(control().caption().c_str());
    if (control().longestText > 0) {
        input_->maximum_size(static_cast<int>(control().longestText));
    }
}

void TextField::apply(forms::PropertySet changed) {
    FltkControl::apply(changed);
    if (changed & forms::CaptionProperty) {
        input_->value(control().caption().c_str());
    }
}

void TextField::setTextSize(int pixels) {
    input_->textsize(pixels);
    input_->textfont(FL_HELVETICA);
}

void TextField::focus() {
    input_->take_focus();
    input_->position(input_->size(), 0);
}

void TextField::report() { window().controller().edited(index(), input_->value()); }

}  // namespace pruhomat::fltk
