#pragma once

#include <FL/Fl_Input.H>

#include "fltk_control.h"

namespace pruhomat::fltk {

// A text box: FLTK's one-line field, reporting each change of its text; reached by the keyboard
// it has its whole text selected, so that typing replaces it.
class TextField final : public FltkControl {
public:
    TextField(FormWindow& window, std::size_t index, const forms::Rect& box);
    Fl_Widget& widget() override { return *input_; }
    void apply(forms::PropertySet changed) override;
    void setTextSize(int pixels) override;
    void focus() override;

private:
    void report() override;

    Fl_Input* input_;
};

}  // namespace pruhomat::fltk
