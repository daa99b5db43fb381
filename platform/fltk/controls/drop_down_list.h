#pragma once

#include <FL/Fl_Choice.H>

#include "fltk_control.h"

namespace pruhomat::fltk {

// A combo box: FLTK's choice, its items as the control's, reporting the item chosen.
class DropDownList final : public FltkControl {
public:
    DropDownList(FormWindow& window, std::size_t index, const forms::Rect& box);
    Fl_Widget& widget() override { return *choice_; }
    void apply(forms::PropertySet changed) override;
    void setTextSize(int pixels) override;

private:
    void report() override;
    void addItems();

    Fl_Choice* choice_;
};

}  // namespace pruhomat::fltk
