#pragma once

#include <FL/Fl_Box.H>

#include "fltk_control.h"

namespace pruhomat::fltk {

// A label: a box with its caption, sunken where it has a border.
class Label final : public FltkControl {
public:
    Label(FormWindow& window, std::size_t index, const forms::Rect& box);
    Fl_Widget& widget() override { return *box_; }

private:
    Fl_Box* box_;
};

}  // namespace pruhomat::fltk
