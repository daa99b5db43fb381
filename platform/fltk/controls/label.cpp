#include "label.h"

#include <array>

namespace pruhomat::fltk {

Label::Label(FormWindow& window, std::size_t index, const forms::Rect& box)
    : FltkControl(window, index), box_(new Fl_Box(box.left, box.top, box.width, box.height)) {
    bind(*box_, false);
    const forms::Control& shown = control();
    box_->box(shown.border == forms::Border::FixedSingle ? FL_DOWN_BOX : FL_FLAT_BOX);
    // Text of one line sits in the middle, so accents above capitals stay inside the box;
    // a caption of several lines starts at the top. In the order of forms::Alignment.
    constexpr std::array<Fl_Align, 3> alignments{FL_ALIGN_LEFT, FL_ALIGN_RIGHT, FL_ALIGN_CENTER};
    const bool severalLines = shown.caption().find('\n') != std::string::npos;
    box_->align(FL_ALIGN_INSIDE | (severalLines ? FL_ALIGN_TOP : 0) | alignments.at(static_cast<std::size_t>(shown.alignment)));
}

}  // namespace pruhomat::fltk
