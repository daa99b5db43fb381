// The one place that chooses a widget by the kind of control: a new kind that has no case here
// fails to build.
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Round_Button.H>

#include "buttons.h"
#include "drop_down_list.h"
#include "form_window.h"
#include "frame.h"
#include "label.h"
#include "picture.h"
#include "text_field.h"

namespace pruhomat::fltk {
namespace {

class FltkFaces final : public forms::FaceProbe {
public:
    bool draws(forms::Face face, std::string_view, std::string_view) const override { return face != forms::Face::Named; }
};

const FltkFaces fltkFaces;

}  // namespace

const forms::FaceProbe& faces = fltkFaces;

std::unique_ptr<FltkControl> makeFltkControl(FormWindow& window, std::size_t index, const forms::Rect& box) {
    switch (window.form().controls()[index].kind()) {
        case forms::ControlKind::Frame:
            return std::make_unique<Frame>(window, index, box);
        case forms::ControlKind::Label:
            return std::make_unique<Label>(window, index, box);
        case forms::ControlKind::PictureBox:
            return std::make_unique<Picture>(window, index, box);
        case forms::ControlKind::CommandButton:
            return std::make_unique<Button<Fl_Button>>(window, index, box);
        case forms::ControlKind::OptionButton:
            return std::make_unique<Button<Fl_Round_Button>>(window, index, box);
        case forms::ControlKind::CheckBox:
            return std::make_unique<Button<Fl_Check_Button>>(window, index, box);
        case forms::ControlKind::TextBox:
            return std::make_unique<TextField>(window, index, box);
        case forms::ControlKind::ComboBox:
            return std::make_unique<DropDownList>(window, index, box);
    }
    return nullptr;
}

}  // namespace pruhomat::fltk
