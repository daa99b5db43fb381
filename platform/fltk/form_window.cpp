#include "form_window.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include "key_events.h"
#include "reader.h"

namespace pruhomat::fltk {

FormWindow::FormWindow(forms::Form& form, const forms::PixelScale& scale, ImageCache& images, forms::Session& session)
    : Fl_Double_Window(scale.pixels(form.looks().clientWidth), scale.pixels(form.looks().clientHeight)),
      images_(images),
      controls_(form.controls().size()),
      controller_(session, form, *this, scale) {
    copy_label(form.looks().caption.c_str());
    color(toFlColor(forms::SystemColour::ButtonFace));
    size_range(w(), h(), w(), h());
    buildChildren(forms::noControl);
    end();
    controller_.built();
}

void FormWindow::show() {
    Fl_Double_Window::show();
    // FLTK would capitalise the class; the desktop entry names it as the program is named.
    static char programName[] = "pruhomat";
    XClassHint classHint{programName, programName};
    XSetClassHint(fl_display, fl_xid(this), &classHint);
    controller_.opened();
    reader_.opened();
}

void FormWindow::draw() {
    Fl_Double_Window::draw();
    loadReaderBusAfterPaint();
}

void FormWindow::place(const Fl_Window* owner) {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Fl::screen_work_area(left, top, width, height);
    const forms::Rect ownerBounds = owner != nullptr ? forms::Rect{owner->x(), owner->y(), owner->w(), owner->h()}
                                                     : forms::Rect{};
    const forms::Rect placed = forms::placeWindow(form().looks().placement, w(), h(), {left, top, width, height},
                                                  owner != nullptr ? &ownerBounds : nullptr);
    position(placed.left, placed.top);
}

// FLTK draws a group's children first to last, so the front-most control is added last.
void FormWindow::buildChildren(std::size_t parent) {
    const auto& children = form().children(parent);
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        createControl(*child);
        if (auto* group = controls_[*child]->widget().as_group()) {
            group->begin();
            buildChildren(*child);
            group->end();
        }
    }
}

void FormWindow::createControl(std::size_t index) {
    const forms::Control& control = form().controls()[index];
    const forms::Rect box = controller_.pixelBox(index, false, images_.width(control.picture()),
                                                 images_.height(control.picture()));
    controls_[index] = makeFltkControl(*this, index, box);
    FltkControl& made = *controls_[index];
    applyFont(made);
    made.applyLooks();
    if (const std::string tip = forms::tooltipText(control); !tip.empty()) {
        made.widget().copy_tooltip(tip.c_str());
    }
}

// Its own box only: a group would carry its children along in proportion.
void FormWindow::placeControl(std::size_t index) {
    const forms::Control& control = form().controls()[index];
    const forms::Rect box = controller_.pixelBox(index, false, images_.width(control.picture()),
                                                 images_.height(control.picture()));
    controls_[index]->widget().Fl_Widget::resize(box.left, box.top, box.width, box.height);
}

void FormWindow::resizeClient() {
    const int width = controller_.scale().pixels(form().looks().clientWidth);
    const int height = controller_.scale().pixels(form().looks().clientHeight);
    size_range(width, height, width, height);
    Fl_Widget::resize(x(), y(), width, height);
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        placeControl(index);
    }
    redraw();
}

void FormWindow::applyFont(FltkControl& made) {
    const forms::Control& control = made.control();
    const forms::FontChoice font = forms::chooseFont(control.font, control.caption(), controller_.scale(), faces);
    made.widget().labelfont(font.bold ? FL_HELVETICA_BOLD : FL_HELVETICA);
    made.widget().labelsize(font.pixels);
    made.setTextSize(font.pixels);
}

void FormWindow::applyChange(std::size_t index, forms::PropertySet changed) {
    const forms::Control& control = form().controls()[index];
    Fl_Widget& widget = controls_[index]->widget();
    controls_[index]->apply(changed);
    if ((changed & forms::AccessibilityProperty) && control.showsNameAsTooltip) {
        widget.copy_tooltip(forms::tooltipText(control).c_str());
    }
    reader_.changed(index, changed);
    if (changed & forms::PlaceProperty) {
        if (widget.parent() != nullptr) {
            widget.parent()->redraw();
        }
        applyFont(*controls_[index]);
        placeControl(index);
    }
    if ((changed & forms::CaptionProperty) && !control.traits().isInputField) {
        // A long caption may run past its box: repaint up to the container's edge.
        const Fl_Widget* container = widget.parent();
        const int right = container != nullptr ? container->x() + container->w() : w();
        damage(FL_DAMAGE_ALL, widget.x(), widget.y(), right - widget.x(), widget.h());
    }
}

void FormWindow::focusNative(std::size_t index) {
    controls_[index]->focus();
    reader_.followFocus();
}

void FormWindow::showFocusMark(std::size_t frame, const forms::Rect& mark) { controls_[frame]->showFocusMark(mark); }

void FormWindow::followToolkitFocus() {
    Fl_Widget* focused = Fl::focus();
    if (focused != nullptr && focused != this && focused->window() == this && focused->user_data() != nullptr) {
        controller_.focusMovedTo(FltkControl::of(*focused)->index());
    }
}

int FormWindow::handle(int event) {
    const int used = handleEvent(event);
    reader_.followFocus();
    return used;
}

int FormWindow::handleEvent(int event) {
    switch (event) {
        case FL_PUSH:
            if (Fl::event_button() == FL_RIGHT_MOUSE) {
                controller_.contextMenuAt(Fl::event_x(), Fl::event_y());
                return 1;
            }
            [[fallthrough]];
        case FL_DRAG:
        case FL_RELEASE: {
            if (pointerEvent(event)) {
                return 1;
            }
            const int used = Fl_Double_Window::handle(event);
            followToolkitFocus();
            return used;
        }
        case FL_KEYBOARD:
            return keyEvent() ? 1 : 0;
        case FL_SHORTCUT:
            // A key reaches a window none of whose widgets has the focus as a shortcut only.
            return Fl::focus() == nullptr && keyEvent() ? 1 : Fl_Double_Window::handle(event);
        case FL_FOCUS:
            // FLTK gives a window that has the focus itself to its first widget; a frame keeps it.
            if (controller_.focused() != forms::noControl && controls_[controller_.focused()]->keepsFocusOnWindow()) {
                return 1;
            }
            break;
        default:
            break;
    }
    return Fl_Double_Window::handle(event);
}

// Every control that is no button takes the push, so that it never falls through to one behind.
bool FormWindow::pointerEvent(int event) {
    if (event == FL_PUSH) {
        return controller_.pointerPressed(Fl::event_x(), Fl::event_y());
    }
    if (!controller_.pointerHeld()) {
        return false;
    }
    if (event == FL_RELEASE) {
        controller_.click(controller_.pointerReleased(Fl::event_x(), Fl::event_y()),
                          forms::WindowController::KeyboardFollows::No);
    }
    return true;
}

bool FormWindow::keyEvent() {
    const auto key = keyOfEvent();
    if (!key) {
        return false;
    }
    followToolkitFocus();
    return controller_.keyPressed(*key);
}

}  // namespace pruhomat::fltk
