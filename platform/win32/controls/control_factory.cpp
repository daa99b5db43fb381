// The one place that chooses a native control's class by the kind of control: a new kind that
// has no case here fails to build.
#include "check_box.h"
#include "drop_down_list.h"
#include "edit_field.h"
#include "form_window.h"
#include "frame.h"
#include "label.h"
#include "option_button.h"
#include "picture.h"
#include "push_button.h"

namespace pruhomat::win32 {

std::unique_ptr<NativeControl> makeNativeControl(FormWindow& window, std::size_t index) {
    switch (window.form().controls()[index].kind()) {
        case forms::ControlKind::Frame:
            return std::make_unique<Frame>(window, index);
        case forms::ControlKind::Label:
            return std::make_unique<Label>(window, index);
        case forms::ControlKind::PictureBox:
            return std::make_unique<Picture>(window, index);
        case forms::ControlKind::CommandButton:
            return std::make_unique<PushButton>(window, index);
        case forms::ControlKind::OptionButton:
            return std::make_unique<OptionButton>(window, index);
        case forms::ControlKind::CheckBox:
            return std::make_unique<CheckBox>(window, index);
        case forms::ControlKind::TextBox:
            return std::make_unique<EditField>(window, index);
        case forms::ControlKind::ComboBox:
            return std::make_unique<DropDownList>(window, index);
    }
    return nullptr;
}

}  // namespace pruhomat::win32
