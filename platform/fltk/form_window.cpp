#include "form_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Round_Button.H>
#include <FL/x.H>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "key_events.h"

namespace pruhomat::fltk {
namespace {

using forms::ControlKind;

constexpr int defaultFontPixels = 11;
constexpr double pixelsPerPoint = 96.0 / 72.0;

// Captions break lines the Windows way; FLTK wants a bare line feed.
std::string flCaption(const std::string& caption) {
    std::string text;
    text.reserve(caption.size());
    for (const char character : caption) {
        if (character != '\r') {
            text += character;
        }
    }
    return text;
}

// In the order of forms::Alignment.
constexpr std::array<Fl_Align, 3> flAlignments{FL_ALIGN_LEFT, FL_ALIGN_RIGHT, FL_ALIGN_CENTER};

}  // namespace

FormWindow::FormWindow(forms::Form& form, const forms::PixelScale& scale, ImageCache& images, forms::Session& session)
    : Fl_Double_Window(scale.pixels(form.looks().clientWidth), scale.pixels(form.looks().clientHeight)),
      form_(form),
      scale_(scale),
      images_(images),
      session_(session),
      widgets_(form.controls().size(), nullptr) {
    copy_label(form.looks().caption.c_str());
    color(toFlColor(forms::SystemColour::ButtonFace));
    size_range(w(), h(), w(), h());
    buildChildren(forms::noControl);
    end();
    form_.clearChanges();
    session_.opened(*this);
}

FormWindow::~FormWindow() { session_.closed(*this); }

void FormWindow::show() {
    Fl_Double_Window::show();
    // FLTK would capitalise the class; the desktop entry names it as the program is named.
    static char programName[] = "pruhomat";
    XClassHint classHint{programName, programName};
    XSetClassHint(fl_display, fl_xid(this), &classHint);
}

forms::Rect FormWindow::pixelBox(std::size_t index) {
    const forms::Control& control = form_.controls()[index];
    const Fl_RGB_Image* picture = images_.picture(control.picture);
    return scale_.box(control.rect(), picture != nullptr ? picture->w() : 0, picture != nullptr ? picture->h() : 0);
}

// FLTK draws a group's children first to last, so the front-most control is added last.
void FormWindow::buildChildren(std::size_t parent) {
    const auto& children = form_.children(parent);
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        Fl_Widget* widget = createWidget(*child);
        widgets_[*child] = widget;
        if (form_.controls()[*child].kind() == ControlKind::Frame) {
            auto* group = static_cast<Fl_Group*>(widget);
            group->begin();
            buildChildren(*child);
            group->end();
        }
    }
}

Fl_Widget* FormWindow::createWidget(std::size_t index) {
    const forms::Control& control = form_.controls()[index];
    const forms::Rect onForm = form_.rectOnForm(index);
    const int x = scale_.pixels(onForm.left);
    const int y = scale_.pixels(onForm.top);
    const auto [left, top, width, height] = pixelBox(index);
    Fl_Widget* widget = nullptr;
    switch (control.kind()) {
        case ControlKind::Frame:
            widget = new FrameGroup(x, y, width, height);
            break;
        case ControlKind::Label:
            widget = createLabel(control, x, y, width, height);
            break;
        case ControlKind::PictureBox:
            widget = new PictureBox(x, y, width, height, images_, control.picture,
                                    control.border == forms::Border::FixedSingle);
            break;
        case ControlKind::CommandButton:
            widget = new Fl_Button(x, y, width, height);
            break;
        case ControlKind::OptionButton: {
            auto* option = new Fl_Round_Button(x, y, width, height);
            option->type(FL_TOGGLE_BUTTON);
            widget = option;
            break;
        }
        case ControlKind::CheckBox: {
            auto* check = new Fl_Check_Button(x, y, width, height);
            check->type(FL_TOGGLE_BUTTON);
            widget = check;
            break;
        }
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            widget = createInput(control, x, y, width, height);
            break;
    }
    applyLooks(*widget, control);
    if (takesClicksItself(index)) {
        widget->callback(onWidgetCallback, this);
    }
    return widget;
}

Fl_Widget* FormWindow::createLabel(const forms::Control& control, int x, int y, int width, int height) {
    auto* box = new Fl_Box(x, y, width, height);
    box->box(control.border == forms::Border::FixedSingle ? FL_DOWN_BOX : FL_FLAT_BOX);
    // Text of one line sits in the middle, so accents above capitals stay inside the box;
    // a caption of several lines starts at the top.
    const bool severalLines = control.caption().find('\n') != std::string::npos;
    const Fl_Align alignment = flAlignments.at(static_cast<std::size_t>(control.alignment));
    box->align(FL_ALIGN_INSIDE | (severalLines ? FL_ALIGN_TOP : 0) | alignment);
    return box;
}

void FormWindow::applyLooks(Fl_Widget& widget, const forms::Control& control) {
    if (control.kind() != ControlKind::PictureBox && !control.isInputField()) {
        widget.copy_label(flCaption(control.caption()).c_str());
    }
    const bool bold = control.font.bold;
    widget.labelfont(bold ? FL_HELVETICA_BOLD : FL_HELVETICA);
    const int fontPixels = control.font.isDefault()
                               ? defaultFontPixels
                               : static_cast<int>(std::lround(control.font.points * pixelsPerPoint));
    widget.labelsize(scale_.fromStandard(fontPixels));
    applyInputLooks(widget, scale_.fromStandard(fontPixels));
    widget.labelcolor(toFlColor(control.foreground));
    widget.color(toFlColor(control.background()));
    if (auto* button = dynamic_cast<Fl_Button*>(&widget)) {
        button->value(control.value() ? 1 : 0);
        if (control.kind() != ControlKind::CommandButton) {
            button->selection_color(FL_FOREGROUND_COLOR);
        }
    }
    if (!control.visible()) {
        widget.hide();
    }
    if (!control.enabled()) {
        widget.deactivate();
    }
}

void FormWindow::syncChanges() {
    bool marksMoved = false;
    for (const std::size_t index : form_.changedControls()) {
        const std::uint8_t changed = form_.changedProperties(index);
        marksMoved = marksMoved || (changed & forms::FocusMarkProperty) != 0;
        syncControl(index, changed);
    }
    form_.clearChanges();
    if (marksMoved) {
        showFocusMarks();
    }
}

void FormWindow::syncControl(std::size_t index, std::uint8_t changed) {
    const forms::Control& control = form_.controls()[index];
    Fl_Widget& widget = *widgets_[index];
    if (control.isInputField()) {
        syncInput(widget, control, changed);
        changed &= static_cast<std::uint8_t>(~(forms::CaptionProperty | forms::ValueProperty));
    }
    if (changed & forms::EnabledProperty) {
        if (control.enabled()) {
            widget.activate();
        } else {
            widget.deactivate();
        }
    }
    if (changed & forms::CaptionProperty) {
        widget.copy_label(flCaption(control.caption()).c_str());
        // A long caption may run past its box: repaint up to the container's edge.
        const Fl_Widget* container = widget.parent();
        const int right = container != nullptr ? container->x() + container->w() : w();
        damage(FL_DAMAGE_ALL, widget.x(), widget.y(), right - widget.x(), widget.h());
    }
    if (changed & forms::BackgroundProperty) {
        widget.color(toFlColor(control.background()));
    }
    if (changed & forms::ValueProperty) {
        static_cast<Fl_Button&>(widget).value(control.value() ? 1 : 0);
    }
    if (changed & forms::LeftProperty) {
        if (widget.parent() != nullptr) {
            widget.parent()->redraw();
        }
        widget.position(scale_.pixels(form_.rectOnForm(index).left), widget.y());
    }
    if (changed & forms::VisibleProperty) {
        if (control.visible()) {
            widget.show();
        } else {
            widget.hide();
        }
    }
    widget.redraw();
}

void FormWindow::centreOnScreen() {
    int screenX = 0;
    int screenY = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    Fl::screen_work_area(screenX, screenY, screenWidth, screenHeight);
    position(screenX + (screenWidth - w()) / 2, screenY + (screenHeight - h()) / 2);
}

void FormWindow::centreOn(const Fl_Window& owner) {
    position(owner.x() + (owner.w() - w()) / 2, owner.y() + (owner.h() - h()) / 2);
}

void FormWindow::focusFirstStop() {
    const std::size_t first = forms::nextTabStop(form_, forms::noControl, false);
    if (first != forms::noControl) {
        moveFocus(first);
    }
}

std::size_t FormWindow::hitTestAtPointer() const {
    return form_.hitTest(scale_.twipsAt(Fl::event_x()), scale_.twipsAt(Fl::event_y()));
}

// Buttons, option buttons, the check box and the input widgets are FLTK's own and handle the
// pointer themselves; everything else is clicked through the form.
bool FormWindow::takesClicksItself(std::size_t index) const {
    const forms::Control& control = form_.controls()[index];
    const ControlKind kind = control.kind();
    return kind == ControlKind::CommandButton || kind == ControlKind::OptionButton ||
           kind == ControlKind::CheckBox || control.isInputField();
}

int FormWindow::handle(int event) {
    switch (event) {
        case FL_PUSH:
            if (Fl::event_button() == FL_RIGHT_MOUSE) {
                session_.contextMenu(*this);
                return 1;
            }
            [[fallthrough]];
        case FL_DRAG:
        case FL_RELEASE:
            if (pointerEvent(event)) {
                return 1;
            }
            break;
        case FL_KEYBOARD:
            return keyEvent() ? 1 : 0;
        case FL_SHORTCUT:
            // A key reaches a window none of whose widgets has the focus as a shortcut only.
            if (Fl::focus() == nullptr) {
                return keyEvent() ? 1 : 0;
            }
            break;
        case FL_FOCUS:
            // FLTK gives a window that has the focus itself to its first widget; a frame keeps it.
            if (Fl::focus() == this && keyStop_ != forms::noControl) {
                return 1;
            }
            break;
        case FL_UNFOCUS:
            // Sent to the window too whenever a widget of it loses the focus.
            if (Fl::focus() != this) {
                keyStop_ = forms::noControl;
                showFocusMarks();
            }
            break;
        default:
            break;
    }
    return Fl_Double_Window::handle(event);
}

bool FormWindow::keyEvent() {
    const auto key = keyOfEvent();
    if (!key) {
        return false;
    }
    const forms::KeyOutcome outcome = session_.keyPressed(*this, focusedControl(), *key);
    if (outcome.focus != forms::noControl && session_.isOpen(*this)) {
        moveFocus(outcome.focus);
    }
    return outcome.handled;
}

std::size_t FormWindow::focusedControl() const {
    if (Fl::focus() == this) {
        return keyStop_;
    }
    const auto found = std::find(widgets_.begin(), widgets_.end(), Fl::focus());
    return found == widgets_.end() ? forms::noControl : static_cast<std::size_t>(found - widgets_.begin());
}

void FormWindow::moveFocus(std::size_t index) {
    if (form_.controls()[index].kind() == ControlKind::Frame) {
        keyStop_ = index;
        Fl::focus(this);
    } else {
        keyStop_ = forms::noControl;
        widgets_[index]->take_focus();
        focusInput(index);
    }
    showFocusMarks();
}

// The frames of the tab order show their mark while they hold the keyboard.
void FormWindow::showFocusMarks() {
    for (const std::size_t stop : form_.tabOrder()) {
        const forms::Control& control = form_.controls()[stop];
        if (control.kind() != ControlKind::Frame) {
            continue;
        }
        auto& frame = static_cast<FrameGroup&>(*widgets_[stop]);
        const forms::Rect& mark = control.focusMark();
        if (stop != keyStop_ || Fl::focus() != this) {
            frame.setFocusMark(0, 0, 0, 0);
        } else if (mark.isEmpty()) {
            frame.setFocusMark(0, 0, frame.w(), frame.h());
        } else {
            frame.setFocusMark(scale_.pixels(mark.left), scale_.pixels(mark.top), scale_.pixels(mark.width),
                               scale_.pixels(mark.height));
        }
    }
}

// Every control that is no button takes the push, so that it never falls through to one behind.
bool FormWindow::pointerEvent(int event) {
    if (event == FL_PUSH) {
        const std::size_t hit = hitTestAtPointer();
        if (hit != forms::noControl && takesClicksItself(hit)) {
            return false;
        }
        pointer_.press(hit);
        return true;
    }
    if (!pointer_.active()) {
        return false;
    }
    if (event == FL_RELEASE) {
        if (const std::size_t clicked = pointer_.release(hitTestAtPointer()); clicked != forms::noControl) {
            session_.click(*this, clicked);
        }
    }
    return true;
}

void FormWindow::onWidgetCallback(Fl_Widget* widget, void* data) {
    auto* window = static_cast<FormWindow*>(data);
    const auto found = std::find(window->widgets_.begin(), window->widgets_.end(), widget);
    if (found == window->widgets_.end()) {
        return;
    }
    const auto index = static_cast<std::size_t>(found - window->widgets_.begin());
    if (window->form_.controls()[index].isInputField()) {
        window->inputChanged(index);
        return;
    }
    // FLTK has already toggled the button; the form decides its value.
    if (auto* button = dynamic_cast<Fl_Button*>(widget)) {
        button->value(window->form_.controls()[index].value() ? 1 : 0);
    }
    window->session_.click(*window, index);
}

}  // namespace pruhomat::fltk
