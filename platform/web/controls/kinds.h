#pragma once

#include "web_control.h"

// One class per kind of control, each an element of the page.
namespace pruhomat::web {

// A frame: a group of controls with its caption on its outline; Tab may stop on it as a list.
class Frame final : public WebControl {
public:
    using WebControl::WebControl;

private:
    page::Element element() const override { return page::Element::Frame; }
};

// A label: text in a box, a swatch where it has a colour of its own.
class Label final : public WebControl {
public:
    using WebControl::WebControl;

private:
    page::Element element() const override { return page::Element::Label; }
};

// A picture box: a canvas with its picture drawn at the device's pixels, the first time it shows,
// so that the hidden colours of the bands cost nothing at start.
class Picture final : public WebControl {
public:
    using WebControl::WebControl;
    void apply(forms::PropertySet changed) override;

private:
    page::Element element() const override { return page::Element::Canvas; }
    void created() override { drawAtDensity(); }
    void drawAtDensity() override;

    ImageId drawn_ = ImageId::NoImage;
    int drawnAt_ = 0;  // dots per inch
};

// A push button, check box or option button: the page's own, clicked by the browser; the form
// decides whether it is checked.
template <page::Element kind>
class Button final : public WebControl {
public:
    using WebControl::WebControl;
    void apply(forms::PropertySet changed) override {
        WebControl::apply(changed);
        if (changed & forms::ValueProperty) {
            set(page::Property::Checked, control().value() ? 1 : 0);
        }
    }

private:
    page::Element element() const override { return kind; }
    void created() override { set(page::Property::Checked, control().value() ? 1 : 0); }
};

// A text box: the page's one-line field, telling each change of its text.
class TextField final : public WebControl {
public:
    using WebControl::WebControl;

private:
    page::Element element() const override { return page::Element::TextField; }
    void created() override { set(page::Property::MaxLength, static_cast<int>(control().longestText)); }
};

// A combo box: the page's drop-down list, its items as the control's.
class DropDownList final : public WebControl {
public:
    using WebControl::WebControl;
    void apply(forms::PropertySet changed) override;

private:
    page::Element element() const override { return page::Element::List; }
    void created() override { apply(forms::ItemsProperty); }
};

}  // namespace pruhomat::web
