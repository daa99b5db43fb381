#include "fonts.h"

#include <cmath>

namespace pruhomat::forms {

FontChoice chooseFont(const Font& font, std::string_view text, const PixelScale& scale, const FaceProbe& probe) {
    constexpr double pixelsPerPoint = PixelScale::standardDpi / 72.0;
    const double points = font.isDefault() ? dialogFontPoints : font.points;
    FontChoice choice{Face::Dialog, {}, scale.fromStandard(static_cast<int>(std::lround(points * pixelsPerPoint))),
                      font.bold, font.charset};
    if (!font.isDefault() && probe.draws(Face::Named, font.name, text)) {
        choice.face = Face::Named;
        choice.name = font.name;
    } else if (!probe.draws(Face::Dialog, {}, text)) {
        choice.face = Face::Spare;
    }
    return choice;
}

}  // namespace pruhomat::forms
