#include "picture.h"

#include "form_window.h"

namespace pruhomat::fltk {

Picture::Picture(FormWindow& window, std::size_t index, const forms::Rect& box)
    : FltkControl(window, index),
      box_(new PictureBox(box.left, box.top, box.width, box.height, window.images(), control().picture(),
                          control().border == forms::Border::FixedSingle)) {
    bind(*box_, false);
}

void Picture::apply(forms::PropertySet changed) {
    FltkControl::apply(changed);
    if (changed & forms::PictureProperty) {
        box_->setPicture(control().picture());
    }
}

}  // namespace pruhomat::fltk
