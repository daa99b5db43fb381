#pragma once

#include <FL/Fl_Widget.H>

#include <array>
#include <cstdint>

#include "control.h"
#include "fonts.h"
#include "widgets.h"
#include "window_controller.h"

namespace pruhomat::fltk {

// How one kind of control is an FLTK widget: made at its pixel box, its changed properties
// applied, and what the user did to it told to the controller (null for a widget whose clicks
// the window's own pointer handling makes).
struct WidgetKind {
    Fl_Widget* (*create)(const forms::Control& control, const forms::Rect& box, ImageCache& images);
    void (*apply)(Fl_Widget& widget, const forms::Control& control, forms::PropertySet changed);
    void (*report)(Fl_Widget& widget, const forms::Control& control, forms::WindowController& controller,
                   std::size_t index);
    // A frame that has the keyboard keeps FLTK's focus on the window and draws its own mark.
    bool focusStaysOnWindow;
};

// The one place that chooses a widget by the kind of control: a new kind without a case fails
// to build.
WidgetKind widgetKindOf(forms::ControlKind kind);

// The faces as FLTK has them: Liberation Sans, which draws every letter the program shows.
extern const forms::FaceProbe& faces;

// Caption, colours, value, visibility and state as the control starts.
void applyCommonLooks(Fl_Widget& widget, const forms::Control& control);
// The size of the text an edit field or list holds.
void applyTextFont(Fl_Widget& widget, int pixels);
// An edit field reached by the keyboard has its whole text selected, so that typing replaces it.
void selectAllOnFocus(Fl_Widget& widget);

}  // namespace pruhomat::fltk
