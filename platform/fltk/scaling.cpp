#include "scaling.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <cmath>
#include <cstdlib>

namespace pruhomat::fltk {

int Scaling::factorForDpi(double dotsPerInch) {
    constexpr double standardDpi = 96;
    constexpr double highDensityDpi = 144;
    if (!(dotsPerInch >= highDensityDpi)) {
        return 1;
    }
    return static_cast<int>(std::lround(dotsPerInch / standardDpi));
}

Scaling Scaling::fromDisplay() {
    fl_open_display();
    const char* setting = XGetDefault(fl_display, "Xft", "dpi");
    return Scaling(setting == nullptr ? 1 : factorForDpi(std::strtod(setting, nullptr)));
}

}  // namespace pruhomat::fltk
