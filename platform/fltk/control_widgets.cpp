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

void applyCommon(Fl_Widget& widget, const Control& control, std::uint8_t changed) {
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

void applyButton(Fl_Widget& widget, const Control& control, std::uint8_t changed) {
    applyCommon(widget, control, changed);
    if (changed & forms::ValueProperty) {
        static_cast<Fl_Button&>(widget).value(control.value() ? 1 : 0);
    }
}

void applyInput(Fl_Widget& widget, const Control& control, std::uint8_t changed) {
    applyCommon(widget, control, changed);
    if (changed & forms::CaptionProperty) {
        static_cast<Fl_Input&>(widget).value(control.caption().c_str());
    }
}

void applyChoice(Fl_Widget& widget, const Control& control, std::uint8_t changed) {
    applyCommon(widget, control, changed);
    if (changed & forms::ValueProperty) {
        static_cast<Fl_Choice&>(widget).value(control.selectedItem());
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

Fl_Widget* createChoice(const Control& control, const Rect& box, ImageCache&) {
    auto* choice = new Fl_Choice(box.left, box.top, box.width, box.height);
    for (const std::string& item : control.items) {
        choice->add(item.c_str());
    }
    choice->value(control.selectedItem());
    return choice;
}

}  // namespace

const std::array<WidgetKind, 8> widgetKinds{{
    {[](const Control&, const Rect& box, ImageCache&) -> Fl_Widget* {
         return new FrameGroup(box.left, box.top, box.width, box.height);
     },
     applyCommon},
    {createLabel, applyCommon},
    {[](const Control& control, const Rect& box, ImageCache& images) -> Fl_Widget* {
         return new PictureBox(box.left, box.top, box.width, box.height, images, control.picture,
                               control.border == forms::Border::FixedSingle);
     },
     applyCommon},
    {[](const Control&, const Rect& box, ImageCache&) -> Fl_Widget* {
         return new Fl_Button(box.left, box.top, box.width, box.height);
     },
     applyButton},
    {createToggle<Fl_Round_Button>, applyButton},
    {createToggle<Fl_Check_Button>, applyButton},
    {createInput, applyInput},
    {createChoice, applyChoice},
}};

const forms::FaceProbe& faces = fltkFaces;

void applyCommonLooks(Fl_Widget& widget, const Control& control) {
    if (control.kind() != forms::ControlKind::PictureBox && !control.isInputField()) {
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

void reportUserEvent(Fl_Widget& widget, const Control& control, forms::WindowController& controller,
                     std::size_t index) {
    if (control.kind() == forms::ControlKind::TextBox) {
        controller.edited(index, static_cast<Fl_Input&>(widget).value());
    } else if (control.kind() == forms::ControlKind::ComboBox) {
        controller.chosen(index, static_cast<Fl_Choice&>(widget).value());
    } else {
        // FLTK has already toggled the button; the form decides its value.
        static_cast<Fl_Button&>(widget).value(control.value() ? 1 : 0);
        controller.click(index, forms::WindowController::KeyboardFollows::Yes);
    }
}

}  // namespace pruhomat::fltk
