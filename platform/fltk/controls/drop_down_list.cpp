#include "drop_down_list.h"

#include <string>

#include "form_window.h"

namespace pruhomat::fltk {
namespace {

// FLTK reads a slash in a menu item as a submenu and an ampersand as a shortcut mark.
std::string menuLabel(const std::string& item) {
    std::string label;
    for (const char character : item) {
        if (character == '/' || character == '&' || character == '\\') {
            label += '\\';
        }
        label += character;
    }
    return label;
}

}  // namespace

DropDownList::DropDownList(FormWindow& window, std::size_t index, const forms::Rect& box)
    : FltkControl(window, index), choice_(new Fl_Choice(box.left, box.top, box.width, box.height)) {
    bind(*choice_, true);
    addItems();
    choice_->value(control().selectedItem());
}

void DropDownList::addItems() {
    for (const std::string& item : control().items()) {
        choice_->add(menuLabel(item).c_str());
    }
}

void DropDownList::apply(forms::PropertySet changed) {
    FltkControl::apply(changed);
    if (changed & forms::ItemsProperty) {
        choice_->clear();
        addItems();
    }
    if (changed & (forms::ValueProperty | forms::ItemsProperty)) {
        choice_->value(control().selectedItem());
    }
}

void DropDownList::setTextSize(int pixels) {
    choice_->textsize(pixels);
    choice_->textfont(FL_HELVETICA);
}

void DropDownList::report() { window().controller().chosen(index(), choice_->value()); }

}  // namespace pruhomat::fltk
