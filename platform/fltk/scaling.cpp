#include "scaling.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cmath>
#include <cstdlib>

namespace pruhomat::fltk {

forms::PixelScale scaleOfDisplay() {
    fl_open_display();
    const char* setting = XGetDefault(fl_display, "Xft", "dpi");
    const double dpi = setting == nullptr ? forms::PixelScale::standardDpi : std::strtod(setting, nullptr);
    return forms::PixelScale(static_cast<int>(std::lround(dpi)));
}

}  // namespace pruhomat::fltk
