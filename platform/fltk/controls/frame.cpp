#include "frame.h"

#include <FL/Fl.H>

#include "form_window.h"

namespace pruhomat::fltk {

Frame::Frame(FormWindow& window, std::size_t index, const forms::Rect& box)
    : FltkControl(window, index), group_(new FrameGroup(box.left, box.top, box.width, box.height)) {
    bind(*group_, false);
}

void Frame::focus() { Fl::focus(&window()); }

}  // namespace pruhomat::fltk
