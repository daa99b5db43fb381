#pragma once

#include "fltk_control.h"

namespace pruhomat::fltk {

// A picture box: its picture unscaled at its top-left corner, changed as the control's is.
class Picture final : public FltkControl {
public:
    Picture(FormWindow& window, std::size_t index, const forms::Rect& box);
    Fl_Widget& widget() override { return *box_; }
    void apply(forms::PropertySet changed) override;

private:
    PictureBox* box_;
};

}  // namespace pruhomat::fltk
