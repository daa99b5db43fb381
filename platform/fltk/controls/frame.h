#pragma once

#include "fltk_control.h"

namespace pruhomat::fltk {

// A frame: its group holds its controls; while it has the keyboard FLTK's focus stays on the
// window and the frame draws the core's focus mark.
class Frame final : public FltkControl {
public:
    Frame(FormWindow& window, std::size_t index, const forms::Rect& box);
    Fl_Widget& widget() override { return *group_; }
    void focus() override;
    bool keepsFocusOnWindow() const override { return true; }
    void showFocusMark(const forms::Rect& mark) override { group_->setFocusMark(mark); }

private:
    FrameGroup* group_;
};

}  // namespace pruhomat::fltk
