#include "control.h"

#include "form.h"

#include <utility>

namespace pruhomat::forms {

void Control::mark(Property property) {
    if (form_ != nullptr) {
        form_->recordChange(*this, property);
    }
}

void Control::setCaption(std::string_view caption) {
    if (caption_ != caption) {
        caption_ = caption;
        mark(CaptionProperty);
    }
}

void Control::setBackground(const Paint& background) {
    if (background_ != background) {
        background_ = background;
        mark(BackgroundProperty);
    }
}

void Control::setVisible(bool visible) {
    if (visible_ != visible) {
        visible_ = visible;
        mark(VisibleProperty);
    }
}

void Control::setLeft(int left) { setRect({left, rect_.top, rect_.width, rect_.height}); }

void Control::setRect(const Rect& rect) {
    if (rect_ != rect) {
        rect_ = rect;
        mark(PlaceProperty);
    }
}

void Control::setFont(const Font& looks) {
    if (font != looks) {
        font = looks;
        mark(PlaceProperty);
    }
}

void Control::setValue(bool value) {
    if (value_ != value) {
        value_ = value;
        mark(ValueProperty);
    }
}

void Control::setEnabled(bool enabled) {
    if (enabled_ != enabled) {
        enabled_ = enabled;
        mark(EnabledProperty);
    }
}

void Control::setSelectedItem(int item) {
    if (selectedItem_ != item) {
        selectedItem_ = item;
        mark(ValueProperty);
    }
}

void Control::setPicture(ImageId picture) {
    if (picture_ != picture) {
        picture_ = picture;
        mark(PictureProperty);
    }
}

void Control::setItems(std::vector<std::string> items) {
    if (items_ != items) {
        items_ = std::move(items);
        mark(ItemsProperty);
    }
}

void Control::setFocusMark(const Rect& area) {
    if (focusMark_ != area) {
        focusMark_ = area;
        mark(FocusMarkProperty);
    }
}

void Control::setAccessibleName(std::string_view name) {
    if (accessibleName_ != name) {
        accessibleName_ = name;
        mark(AccessibilityProperty);
    }
}

void Control::setAccessibleSelected(bool selected) {
    if (accessibleSelected_ != selected) {
        accessibleSelected_ = selected;
        mark(AccessibilityProperty);
    }
}

}  // namespace pruhomat::forms
