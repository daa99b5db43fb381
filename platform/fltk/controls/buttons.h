#pragma once

#include <FL/Fl_Button.H>

#include "fltk_control.h"

namespace pruhomat::fltk {

// A push button, or a check box or option button (Widget is FLTK's toggle of that look): FLTK
// reports the click, the form decides the value.
template <typename Widget>
class Button final : public FltkControl {
public:
    Button(FormWindow& window, std::size_t index, const forms::Rect& box);
    Fl_Widget& widget() override { return *button_; }
    void apply(forms::PropertySet changed) override;

private:
    void report() override;

    Widget* button_;
};

}  // namespace pruhomat::fltk
