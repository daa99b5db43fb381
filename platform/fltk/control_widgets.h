#pragma once

#include <FL/Fl_Widget.H>

#include <array>
#include <cstdint>

#include "control.h"
#include "fonts.h"
#include "widgets.h"
#include "window_controller.h"

namespace pruhomat::fltk {

// How one kind of control is an FLTK widget: made at its pixel box, and its changed properties
// applied.
struct WidgetKind {
    Fl_Widget* (*create)(const forms::Control& control, const forms::Rect& box, ImageCache& images);
    void (*apply)(Fl_Widget& widget, const forms::Control& control, std::uint8_t changed);
};

// By forms::ControlKind.
extern const std::array<WidgetKind, 8> widgetKinds;

// The faces as FLTK has them: Liberation Sans, which draws every letter the program shows.
extern const forms::FaceProbe& faces;

// Caption, colours, value, visibility and state as the control starts.
void applyCommonLooks(Fl_Widget& widget, const forms::Control& control);
// The size of the text an edit field or list holds.
void applyTextFont(Fl_Widget& widget, int pixels);
// An edit field reached by the keyboard has its whole text selected, so that typing replaces it.
void selectAllOnFocus(Fl_Widget& widget);
// A widget's callback: what the user typed, chose or clicked, told to the controller.
void reportUserEvent(Fl_Widget& widget, const forms::Control& control, forms::WindowController& controller,
                     std::size_t index);

}  // namespace pruhomat::fltk
