#include "control_widgets.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Round_Button.H>

#include <string>

namespace pruhomat::fltk {
namespace {

using forms::Control;
using forms::Rect;

// Captions break lines the Windows way; FLTK wants a bare line feed.
std::string flCaption(const std::string& caption) {
    std::string text;
    for (const char character : caption) {
        if (character != '\r') {
            text += character;
        }
    }
    return text;
}

class FltkFaces final : public forms::FaceProbe {
public:
    bool draws(forms::Face face, std::string_view, std::string_view) const override {
        return face != forms::Face::Named;
    }
};

const FltkFaces fltkFaces;

void applyCommon(Fl_Widget& widget, const Control& control, forms::PropertySet changed) {
    if (changed & forms::EnabledProperty) {
        control.enabled() ? widget.activate() : widget.deactivate();
    }
    if ((changed & forms::CaptionProperty) && !control.isInputField()) {
        widget.copy_label(flCaption(control.caption()).c_str());
    }
    if (changed & forms::BackgroundProperty) {
        widget.color(toFlColor(control.background()));
    }
    if (changed & forms::VisibleProperty) {
        control.visible() ? widget.show() : widget.hide();
    }
    widget.redraw();
}

void applyButton(Fl_Widget& widget, const Control& control, forms::PropertySet changed) {
    applyCommon(widget, control, changed);
    if (changed & forms::ValueProperty) {
        static_cast<Fl_Button&>(widget).value(control.value() ? 1 : 0);
    }
}

void applyInput(Fl_Widget& widget, const Control& control, forms::PropertySet changed) {
    applyCommon(widget, control, changed);
    if (changed & forms::CaptionProperty) {
        static_cast<Fl_Input&>(widget).value(control.caption().c_str());
    }
}

// FLTK reads a slash in a menu item as a submenu and an ampersand as a shortcut mark.
std::string menuLabel(const std::string& item) {
    std::string label;
    for (const char character : item) {
        label += character == '/' || character == '&' || character == '\\' ? std::string{'\\', character} : std::string{character};
    }
    return label;
}

void addItems(Fl_Choice& choice, const Control& control) {
    for (const std::string& item : control.items()) {
        choice.add(menuLabel(item).c_str());
    }
}

void applyChoice(Fl_Widget& widget, const Control& control, forms::PropertySet changed) {
    applyCommon(widget, control, changed);
    auto& choice = static_cast<Fl_Choice&>(widget);
    if (changed & forms::ItemsProperty) {
        choice.clear();
        addItems(choice, control);
    }
    if (changed & (forms::ValueProperty | forms::ItemsProperty)) {
        choice.value(control.selectedItem());
    }
}

void applyPicture(Fl_Widget& widget, const Control& control, forms::PropertySet changed) {
    applyCommon(widget, control, changed);
    if (changed & forms::PictureProperty) {
        static_cast<PictureBox&>(widget).setPicture(control.picture());
    }
}

Fl_Widget* createLabel(const Control& control, const Rect& box, ImageCache&) {
    auto* label = new Fl_Box(box.left, box.top, box.width, box.height);
    label->box(control.border == forms::Border::FixedSingle ? FL_DOWN_BOX : FL_FLAT_BOX);
    // Text of one line sits in the middle, so accents above capitals stay inside the box;
    // a caption of several lines starts at the top. In the order of forms::Alignment.
    constexpr std::array<Fl_Align, 3> alignments{FL_ALIGN_LEFT, FL_ALIGN_RIGHT, FL_ALIGN_CENTER};
    const bool severalLines = control.caption().find('\n') != std::string::npos;
    label->align(FL_ALIGN_INSIDE | (severalLines ? FL_ALIGN_TOP : 0) |
                 alignments.at(static_cast<std::size_t>(control.alignment)));
    return label;
}

template <typename Button>
Fl_Widget* createToggle(const Control&, const Rect& box, ImageCache&) {
    auto* button = new Button(box.left, box.top, box.width, box.height);
    // The form decides the value; FLTK only reports the click.
    button->type(FL_TOGGLE_BUTTON);
    button->selection_color(FL_FOREGROUND_COLOR);
    return button;
}

Fl_Widget* createInput(const Control& control, const Rect& box, ImageCache&) {
    auto* input = new Fl_Input(box.left, box.top, box.width, box.height);
    input->when(FL_WHEN_CHANGED);
    input->value(control.caption().c_str());
    if (control.longestText > 0) {
        input->maximum_size(static_cast<int>(control.longestText));
    }
    return input;
}

Fl_Widget* createFrame(const Control&, const Rect& box, ImageCache&) {
    return new FrameGroup(box.left, box.top, box.width, box.height);
}

Fl_Widget* createPicture(const Control& control, const Rect& box, ImageCache& images) {
    return new PictureBox(box.left, box.top, box.width, box.height, images, control.picture(),
                          control.border == forms::Border::FixedSingle);
}

Fl_Widget* createButton(const Control&, const Rect& box, ImageCache&) {
    return new Fl_Button(box.left, box.top, box.width, box.height);
}

void reportTyping(Fl_Widget& widget, const Control&, forms::WindowController& controller, std::size_t index) {
    controller.edited(index, static_cast<Fl_Input&>(widget).value());
}

void reportChoice(Fl_Widget& widget, const Control&, forms::WindowController& controller, std::size_t index) {
    controller.chosen(index, static_cast<Fl_Choice&>(widget).value());
}

// FLTK has already toggled the button; the form decides its value.
void reportClick(Fl_Widget& widget, const Control& control, forms::WindowController& controller, std::size_t index) {
    static_cast<Fl_Button&>(widget).value(control.value() ? 1 : 0);
    controller.click(index, forms::WindowController::KeyboardFollows::Yes);
}

Fl_Widget* createChoice(const Control& control, const Rect& box, ImageCache&) {
    auto* choice = new Fl_Choice(box.left, box.top, box.width, box.height);
    addItems(*choice, control);
    choice->value(control.selectedItem());
    return choice;
}

}  // namespace

const forms::FaceProbe& faces = fltkFaces;

void applyCommonLooks(Fl_Widget& widget, const Control& control) {
    if (!control.isInputField() && !control.caption().empty()) {
        widget.copy_label(flCaption(control.caption()).c_str());
    }
    widget.labelcolor(toFlColor(control.foreground));
    widget.color(toFlColor(control.background()));
    if (auto* button = dynamic_cast<Fl_Button*>(&widget)) {
        button->value(control.value() ? 1 : 0);
    }
    if (!control.visible()) {
        widget.hide();
    }
    if (!control.enabled()) {
        widget.deactivate();
    }
}

void applyTextFont(Fl_Widget& widget, int pixels) {
    if (auto* input = dynamic_cast<Fl_Input*>(&widget)) {
        input->textsize(pixels);
        input->textfont(FL_HELVETICA);
    } else if (auto* choice = dynamic_cast<Fl_Choice*>(&widget)) {
        choice->textsize(pixels);
        choice->textfont(FL_HELVETICA);
    }
}

void selectAllOnFocus(Fl_Widget& widget) {
    if (auto* input = dynamic_cast<Fl_Input*>(&widget)) {
        input->position(input->size(), 0);
    }
}

WidgetKind widgetKindOf(forms::ControlKind kind) {
    switch (kind) {
        case forms::ControlKind::Frame:
            return {createFrame, applyCommon, nullptr, true};
        case forms::ControlKind::Label:
            return {createLabel, applyCommon, nullptr, false};
        case forms::ControlKind::PictureBox:
            return {createPicture, applyPicture, nullptr, false};
        case forms::ControlKind::CommandButton:
            return {createButton, applyButton, reportClick, false};
        case forms::ControlKind::OptionButton:
            return {createToggle<Fl_Round_Button>, applyButton, reportClick, false};
        case forms::ControlKind::CheckBox:
            return {createToggle<Fl_Check_Button>, applyButton, reportClick, false};
        case forms::ControlKind::TextBox:
            return {createInput, applyInput, reportTyping, false};
        case forms::ControlKind::ComboBox:
            return {createChoice, applyChoice, reportChoice, false};
    }
    return {createLabel, applyCommon, nullptr, false};
}

}  // namespace pruhomat::fltk
