// The one place that chooses an element by the kind of control: a new kind that has no case here
// fails to build.
#include "kinds.h"
#include "web_window.h"

namespace pruhomat::web {

std::unique_ptr<WebControl> makeWebControl(WebWindow& window, std::size_t index) {
    switch (window.form().controls()[index].kind()) {
        case forms::ControlKind::Frame:
            return std::make_unique<Frame>(window, index);
        case forms::ControlKind::Label:
            return std::make_unique<Label>(window, index);
        case forms::ControlKind::PictureBox:
            return std::make_unique<Picture>(window, index);
        case forms::ControlKind::CommandButton:
            return std::make_unique<Button<page::Element::Button>>(window, index);
        case forms::ControlKind::OptionButton:
            return std::make_unique<Button<page::Element::Option>>(window, index);
        case forms::ControlKind::CheckBox:
            return std::make_unique<Button<page::Element::CheckBox>>(window, index);
        case forms::ControlKind::TextBox:
            return std::make_unique<TextField>(window, index);
        case forms::ControlKind::ComboBox:
            return std::make_unique<DropDownList>(window, index);
    }
    return nullptr;
}

}  // namespace pruhomat::web
