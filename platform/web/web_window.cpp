#include "web_window.h"

#include "images.h"
#include "reader.h"
#include "web_port.h"

namespace pruhomat::web {
namespace {

constexpr forms::PropertySet heardProperties = forms::CaptionProperty | forms::AccessibilityProperty |
                                               forms::VisibleProperty | forms::ValueProperty | forms::EnabledProperty;

}  // namespace

WebWindow::WebWindow(WebPort& port, int id, forms::Form& form, int owner)
    : port_(port), id_(id), controller_(port.session(), form, *this, forms::PixelScale(port.deviceDpi())) {
    const forms::FormLooks& looks = form.looks();
    page::openWindow(id_, owner, scale().dpi(), scale().pixels(looks.clientWidth), scale().pixels(looks.clientHeight),
                     looks.caption);
    controls_.resize(form.controls().size());
    createChildren(forms::noControl);
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        tellReader(index);
    }
    controller_.built();
}

WebWindow::~WebWindow() { page::closeWindow(id_); }

Rgb WebWindow::face() const { return port_.face(); }

// A picture box never outgrows its picture as drawn at the density.
forms::Rect WebWindow::boxOf(std::size_t index) {
    const ImageId picture = form().controls()[index].picture();
    const int dpi = scale().dpi();
    return picture == ImageId::NoImage ? controller_.pixelBox(index, true)
                                       : controller_.pixelBox(index, true, shownWidth(picture, dpi), shownHeight(picture, dpi));
}

// Containers before what they hold, each container's children front first.
void WebWindow::createChildren(std::size_t parent) {
    for (const std::size_t child : form().children(parent)) {
        const forms::Control& control = form().controls()[child];
        controls_[child] = makeWebControl(*this, child);
        controls_[child]->create(parent == forms::noControl ? -1 : static_cast<int>(parent), boxOf(child));
        if (control.showsNameAsTooltip) {
            page::setText(id_, static_cast<int>(child), page::Property::Tooltip, forms::tooltipText(control));
        }
        createChildren(child);
    }
}

void WebWindow::resizeClient() {
    const forms::FormLooks& looks = form().looks();
    page::rescaleWindow(id_, scale().dpi(), scale().pixels(looks.clientWidth), scale().pixels(looks.clientHeight));
}

void WebWindow::rescale(int dotsPerInch) {
    controller_.setScale(forms::PixelScale(dotsPerInch));
    resizeClient();
    for (const auto& control : controls_) {
        control->place(boxOf(control->index()));
    }
}

void WebWindow::longPress(int x, int y) {
    const std::size_t held = controller_.pressedControl();
    controller_.pointerLost();
    if (held != forms::noControl && form().controls()[held].showsNameAsTooltip) {
        page::showTooltip(id_, static_cast<int>(held));
    } else {
        controller_.contextMenuAt(x, y);
    }
}

void WebWindow::applyChange(std::size_t index, forms::PropertySet changed) {
    controls_.at(index)->apply(changed);
    const forms::Control& control = form().controls()[index];
    if ((changed & forms::AccessibilityProperty) && control.showsNameAsTooltip) {
        page::setText(id_, static_cast<int>(index), page::Property::Tooltip, forms::tooltipText(control));
    }
    tellReaderOfStack(index, changed);
}

// A picture coming to the front of its stack, or going, changes what a reader meets there.
void WebWindow::tellReaderOfStack(std::size_t index, forms::PropertySet changed) {
    const auto [stack, heard] = forms::heardChange(form(), index, changed);
    if ((heard & heardProperties) == 0) {
        return;
    }
    const forms::Control& member = form().controls()[index];
    for (const std::size_t sibling : form().children(member.parent())) {
        if (forms::stackOf(form(), sibling) == stack) {
            tellReader(sibling);
        }
    }
}

void WebWindow::tellReader(std::size_t index) {
    const forms::Form& shown = form();
    const forms::Control& control = shown.controls()[index];
    const forms::ReaderStates states = forms::readerStates(shown, index, forms::noControl);
    const bool live = !control.accessibleName().empty() && control.accessibleName() != control.caption() &&
                      forms::readerRole(shown, index) == forms::ReaderRole::Label;
    const int flags = (states.selected ? page::SelectedFlag : 0) | (states.checked ? page::CheckedFlag : 0) |
                      (states.selectable ? page::SelectableFlag : 0) | (states.focusable ? page::FocusableFlag : 0) |
                      (live ? page::LiveFlag : 0);
    const int at = static_cast<int>(index);
    page::setNumber(id_, at, page::Property::Role, static_cast<int>(forms::readerRole(shown, index)));
    page::setText(id_, at, page::Property::Name, forms::readerName(control));
    page::setNumber(id_, at, page::Property::Heard, states.heard ? 1 : 0);
    page::setNumber(id_, at, page::Property::State, flags);
}

void WebWindow::focusNative(std::size_t index) { page::focus(id_, static_cast<int>(index)); }

void WebWindow::showFocusMark(std::size_t frame, const forms::Rect& mark) {
    page::showFocusMark(id_, static_cast<int>(frame), mark.left, mark.top, mark.width, mark.height);
}

// The window's number above the control's index, so that every control of every window has one.
forms::WindowHandle WebWindow::nativeHandle(std::size_t index) {
    return (static_cast<forms::WindowHandle>(id_) << 16) | (index == forms::noControl ? 0xFFFF : index);
}

void WebWindow::hideWindow() { page::closeWindow(id_); }

}  // namespace pruhomat::web
