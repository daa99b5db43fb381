#include "layout.h"

#include <utility>

namespace pruhomat::forms {
namespace {

Control captioned(ControlKind kind, std::string name, std::string_view caption, Rect rect) {
    Control control(kind, std::move(name), rect);
    control.setCaption(caption);
    return control;
}

}  // namespace

Control frame(std::string name, std::string_view caption, Rect rect) {
    return captioned(ControlKind::Frame, std::move(name), caption, rect);
}

Control label(std::string name, std::string_view caption, Rect rect, Alignment alignment) {
    Control control = captioned(ControlKind::Label, std::move(name), caption, rect);
    control.alignment = alignment;
    return control;
}

Control swatch(std::string name, Rgb colour, Rect rect) {
    Control control(ControlKind::Label, std::move(name), rect);
    control.border = Border::FixedSingle;
    control.setBackground(colour);
    return control;
}

Control picture(std::string name, ImageId image, Rect rect, Start start) {
    Control control(ControlKind::PictureBox, std::move(name), rect);
    control.picture = image;
    control.setBackground(SystemColour::Window);
    control.setVisible(start == Start::Shown);
    return control;
}

Control commandButton(std::string name, std::string_view caption, Rect rect) {
    return captioned(ControlKind::CommandButton, std::move(name), caption, rect);
}

Control optionButton(std::string name, std::string_view caption, Rect rect, bool selected) {
    Control control = captioned(ControlKind::OptionButton, std::move(name), caption, rect);
    control.setValue(selected);
    return control;
}

Control checkBox(std::string name, std::string_view caption, Rect rect, bool checked) {
    Control control = captioned(ControlKind::CheckBox, std::move(name), caption, rect);
    control.setValue(checked);
    return control;
}

// Edit fields are white, or whatever the theme gives windows.
Control textBox(std::string name, Rect rect) {
    Control control(ControlKind::TextBox, std::move(name), rect);
    control.setBackground(SystemColour::Window);
    return control;
}

Control comboBox(std::string name, std::vector<std::string> items, Rect rect) {
    Control control(ControlKind::ComboBox, std::move(name), rect);
    control.items = std::move(items);
    control.setBackground(SystemColour::Window);
    return control;
}

Control withFont(Control control, Font font) {
    control.font = font;
    return control;
}

}  // namespace pruhomat::forms
