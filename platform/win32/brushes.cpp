#include "brushes.h"

#include <variant>

#include "gdi_objects.h"

namespace pruhomat::win32 {
namespace {

int systemColour(forms::SystemColour colour) {
    switch (colour) {
        case forms::SystemColour::ButtonFace:
            return COLOR_BTNFACE;
        case forms::SystemColour::Window:
            return COLOR_WINDOW;
        case forms::SystemColour::WindowText:
            return COLOR_WINDOWTEXT;
        case forms::SystemColour::Highlight:
            return COLOR_HIGHLIGHT;
        case forms::SystemColour::InactiveBorder:
            return COLOR_INACTIVEBORDER;
    }
    return COLOR_BTNFACE;
}

}  // namespace

Brushes::~Brushes() {
    for (const auto& [colour, brush] : brushes_) {
        gdi::deleteObject(brush);
    }
}

COLORREF Brushes::colourRef(const forms::Paint& paint) {
    if (const auto* rgb = std::get_if<Rgb>(&paint)) {
        return RGB(rgb->red, rgb->green, rgb->blue);
    }
    return GetSysColor(systemColour(std::get<forms::SystemColour>(paint)));
}

HBRUSH Brushes::brushFor(const forms::Paint& paint) {
    if (const auto* system = std::get_if<forms::SystemColour>(&paint)) {
        return GetSysColorBrush(systemColour(*system));
    }
    const COLORREF colour = colourRef(paint);
    auto found = brushes_.find(colour);
    if (found == brushes_.end()) {
        found = brushes_.emplace(colour, gdi::solidBrush(colour)).first;
    }
    return found->second;
}

}  // namespace pruhomat::win32
