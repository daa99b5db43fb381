#pragma once

#include <FL/Fl_Widget.H>

#include <cstddef>
#include <memory>

#include "control.h"
#include "fonts.h"
#include "widgets.h"

namespace pruhomat::fltk {

class FormWindow;

// One control of a form as an FLTK widget, made by the factory for its kind (one class a kind):
// it shows the control's changes and tells the controller what the user did with it. The
// widget's user data points to it.
class FltkControl {
public:
    FltkControl(FormWindow& window, std::size_t index) : window_(window), index_(index) {}
    FltkControl(const FltkControl&) = delete;
    FltkControl& operator=(const FltkControl&) = delete;
    virtual ~FltkControl() = default;

    // The control of a widget of a form's window.
    static FltkControl* of(const Fl_Widget& widget) { return static_cast<FltkControl*>(widget.user_data()); }

    virtual Fl_Widget& widget() = 0;
    std::size_t index() const { return index_; }
    const forms::Control& control() const;

    // Caption, colours, value, visibility and state as the control starts.
    void applyLooks();
    // The changed properties shown on the widget.
    virtual void apply(forms::PropertySet changed);
    // The size of the text a field or list holds, in pixels.
    virtual void setTextSize(int) {}
    // The keyboard given to the control.
    virtual void focus() { widget().take_focus(); }
    // A frame that has the keyboard keeps FLTK's focus on the window and draws its own mark.
    virtual bool keepsFocusOnWindow() const { return false; }
    virtual void showFocusMark(const forms::Rect&) {}

protected:
    FormWindow& window() const { return window_; }
    // Ties the widget to this control; one that reports has its callback tell report().
    void bind(Fl_Widget& widget, bool reports);
    // What the user did with the widget, as its callback tells it.
    virtual void report() {}

private:
    static void onCallback(Fl_Widget* widget, void* self);

    FormWindow& window_;
    std::size_t index_;
};

// The one place that chooses a widget by the kind of control: a new kind without a case fails
// to build. The widget is made at its pixel box inside the group being built.
std::unique_ptr<FltkControl> makeFltkControl(FormWindow& window, std::size_t index, const forms::Rect& box);

// The faces as FLTK has them: Liberation Sans, which draws every letter the program shows.
extern const forms::FaceProbe& faces;

}  // namespace pruhomat::fltk
