#include "application.h"

#include <FL/Fl.H>

#include "decimal_separator.h"
#include "scaling.h"

namespace pruhomat::fltk {
namespace {

// The controls were laid out for a narrow dialog font; Liberation Sans keeps those metrics where
// the wider default sans face would cut the colour names short. FLTK's Xft names start with the style.
forms::PixelScale withDialogFont(forms::PixelScale scale) {
    Fl::set_font(FL_HELVETICA, " Liberation Sans");
    Fl::set_font(FL_HELVETICA_BOLD, "BLiberation Sans");
    return scale;
}

}  // namespace

Application::Application() : Program(regionalDecimalSeparator(), withDialogFont(scaleOfDisplay())) {}

}  // namespace pruhomat::fltk
