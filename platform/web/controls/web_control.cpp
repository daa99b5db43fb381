#include "web_control.h"

#include <variant>

#include "fonts.h"
#include "web_window.h"

namespace pruhomat::web {
namespace {

// The page draws text in its own dialog face; the face a layout names is never there.
class PageFaces final : public forms::FaceProbe {
public:
    bool draws(forms::Face face, std::string_view, std::string_view) const override { return face != forms::Face::Named; }
};

const PageFaces pageFaces;

// 0xRRGGBB, or -1 for a colour of the page's theme (the window's face behind a control).
int colourOf(const forms::Paint& paint) {
    if (const auto* rgb = std::get_if<Rgb>(&paint)) {
        return rgb->red << 16 | rgb->green << 8 | rgb->blue;
    }
    return -1 - static_cast<int>(std::get<forms::SystemColour>(paint));
}

}  // namespace

const forms::Control& WebControl::control() const { return window_.form().controls()[index_]; }

int WebControl::windowId() const { return window_.id(); }

void WebControl::set(page::Property property, int value) const {
    page::setNumber(window_.id(), static_cast<int>(index_), property, value);
}

void WebControl::set(page::Property property, std::string_view text) const {
    page::setText(window_.id(), static_cast<int>(index_), property, text);
}

void WebControl::create(int parent, const forms::Rect& box) {
    const forms::Control& shown = control();
    page::create(window_.id(), static_cast<int>(index_), parent, element(), box.left, box.top, box.width, box.height);
    set(page::Property::Designer, shown.name());
    set(page::Property::Border, shown.border == forms::Border::FixedSingle ? 1 : 0);
    set(page::Property::Align, static_cast<int>(shown.alignment));
    set(page::Property::Foreground, colourOf(shown.foreground));
    applyFont();
    created();
    apply(forms::CaptionProperty | forms::BackgroundProperty | forms::VisibleProperty | forms::EnabledProperty);
}

void WebControl::place(const forms::Rect& box) {
    page::place(window_.id(), static_cast<int>(index_), box.left, box.top, box.width, box.height);
    applyFont();
    drawAtDensity();
}

void WebControl::applyFont() const {
    const forms::FontChoice font = forms::chooseFont(control().font, control().caption(), window_.scale(), pageFaces);
    set(page::Property::FontSize, font.bold ? -font.pixels : font.pixels);
}

void WebControl::apply(forms::PropertySet changed) {
    const forms::Control& shown = control();
    if (changed & forms::CaptionProperty) {
        set(page::Property::Text, shown.caption());
    }
    if (changed & forms::BackgroundProperty) {
        set(page::Property::Background, colourOf(shown.background()));
    }
    if (changed & forms::VisibleProperty) {
        set(page::Property::Visible, shown.visible() ? 1 : 0);
    }
    if (changed & forms::EnabledProperty) {
        set(page::Property::Enabled, shown.enabled() ? 1 : 0);
    }
    if (changed & forms::PlaceProperty) {
        place(window_.boxOf(index_));
    }
}

}  // namespace pruhomat::web
