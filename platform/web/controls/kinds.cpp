#include "kinds.h"

#include <string>

#include "images.h"
#include "web_window.h"

namespace pruhomat::web {

void Picture::apply(forms::PropertySet changed) {
    WebControl::apply(changed);
    if (changed & (forms::PictureProperty | forms::VisibleProperty)) {
        drawAtDensity();
    }
}

// The picture as every front-end shows it at the density, on the page's face colour, where it
// shows and was not drawn so yet.
void Picture::drawAtDensity() {
    const ImageId picture = control().picture();
    const int dpi = window().scale().dpi();
    if (picture == ImageId::NoImage || !control().visible() || (picture == drawn_ && dpi == drawnAt_)) {
        return;
    }
    drawn_ = picture;
    drawnAt_ = dpi;
    const Image shown = shownPicture(picture, dpi, window().face());
    std::vector<std::uint8_t> rgba;
    rgba.reserve(shown.pixels.size() * 4);
    for (const Rgb& pixel : shown.pixels) {
        rgba.insert(rgba.end(), {pixel.red, pixel.green, pixel.blue, 0xFF});
    }
    page::drawPicture(windowId(), static_cast<int>(index()), rgba.data(), shown.width, shown.height);
}

void DropDownList::apply(forms::PropertySet changed) {
    WebControl::apply(changed & static_cast<forms::PropertySet>(~forms::CaptionProperty));
    if (changed & forms::ItemsProperty) {
        std::string lines;
        for (const std::string& item : control().items()) {
            lines += (lines.empty() ? "" : "\n") + item;
        }
        set(page::Property::Items, lines);
    }
    if (changed & (forms::ItemsProperty | forms::ValueProperty)) {
        set(page::Property::Selected, control().selectedItem());
    }
}

}  // namespace pruhomat::web
