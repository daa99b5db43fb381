#include "fltk_control.h"

#include "form_window.h"

namespace pruhomat::fltk {

const forms::Control& FltkControl::control() const { return window_.form().controls()[index_]; }

void FltkControl::bind(Fl_Widget& widget, bool reports) {
    widget.user_data(this);
    if (reports) {
        widget.callback(onCallback, this);
    }
}

void FltkControl::onCallback(Fl_Widget*, void* self) { static_cast<FltkControl*>(self)->report(); }

void FltkControl::applyLooks() {
    const forms::Control& shown = control();
    Fl_Widget& shownWidget = widget();
    if (!shown.traits().isInputField && !shown.caption().empty()) {
        shownWidget.copy_label(flCaption(shown.caption()).c_str());
    }
    shownWidget.labelcolor(toFlColor(shown.foreground));
    shownWidget.color(toFlColor(shown.background()));
    if (!shown.visible()) {
        shownWidget.hide();
    }
    if (!shown.enabled()) {
        shownWidget.deactivate();
    }
}

void FltkControl::apply(forms::PropertySet changed) {
    const forms::Control& shown = control();
    Fl_Widget& shownWidget = widget();
    if (changed & forms::EnabledProperty) {
        shown.enabled() ? shownWidget.activate() : shownWidget.deactivate();
    }
    if ((changed & forms::CaptionProperty) && !shown.traits().isInputField) {
        shownWidget.copy_label(flCaption(shown.caption()).c_str());
    }
    if (changed & forms::BackgroundProperty) {
        shownWidget.color(toFlColor(shown.background()));
    }
    if (changed & forms::VisibleProperty) {
        shown.visible() ? shownWidget.show() : shownWidget.hide();
    }
    shownWidget.redraw();
}

}  // namespace pruhomat::fltk
