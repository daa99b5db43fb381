#pragma once

#include "control.h"

namespace pruhomat::forms {

// Twips turned into the pixels of one screen density, by the same rule in both front-ends.
class PixelScale {
public:
    static constexpr int standardDpi = 96;

    explicit PixelScale(int dotsPerInch) : dpi_(dotsPerInch > 0 ? dotsPerInch : standardDpi) {}

    int dpi() const { return dpi_; }
    int pixels(int twips) const { return (twips * dpi_ + twipsPerInch / 2) / twipsPerInch; }
    // The twips at the centre of a pixel, for hit testing.
    int twipsAt(int pixel) const { return (2 * pixel + 1) * twipsPerInch / (2 * dpi_); }
    // A length of pixels at 96 dots per inch, as many pixels as its twips give here.
    int fromStandard(int pixelsAt96Dpi) const { return (pixelsAt96Dpi * dpi_ + standardDpi / 2) / standardDpi; }

    // A control's box in pixels, from the rectangle in twips. A picture box never outgrows its
    // picture as drawn at this density (width and height in pixels, 0 for none), so no
    // background shows beside it.
    Rect box(const Rect& twips, int pictureWidth = 0, int pictureHeight = 0) const;

private:
    static constexpr int twipsPerInch = 1440;
    int dpi_;
};

}  // namespace pruhomat::forms
