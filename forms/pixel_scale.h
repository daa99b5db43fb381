#pragma once

#include "control.h"

namespace pruhomat::forms {

// Twips turned into the pixels of one screen density, by the same rule in both front-ends. At a
// whole multiple of the standard density a length is its standard pixels times the multiple, so
// that a window at 200 % is the one at 100 % enlarged, pixel for pixel.
class PixelScale {
public:
    static constexpr int standardDpi = 96;

    explicit PixelScale(int dotsPerInch) : dpi_(dotsPerInch > 0 ? dotsPerInch : standardDpi) {}

    int dpi() const { return dpi_; }
    int pixels(int twips) const {
        return whole() ? rounded(twips, standardDpi) * (dpi_ / standardDpi) : rounded(twips, dpi_);
    }
    // The twips at the centre of a pixel, for hit testing.
    int twipsAt(int pixel) const {
        return whole() ? centreOf(pixel / (dpi_ / standardDpi), standardDpi) : centreOf(pixel, dpi_);
    }
    // A length of pixels at 96 dots per inch, as many pixels as its twips give here.
    int fromStandard(int pixelsAt96Dpi) const { return (pixelsAt96Dpi * dpi_ + standardDpi / 2) / standardDpi; }

    // A control's box in pixels, from the rectangle in twips. A picture box never outgrows its
    // picture as drawn at this density (width and height in pixels, 0 for none), so no
    // background shows beside it.
    Rect box(const Rect& twips, int pictureWidth = 0, int pictureHeight = 0) const;

private:
    static constexpr int twipsPerInch = 1440;
    static int rounded(int twips, int dpi) { return (twips * dpi + twipsPerInch / 2) / twipsPerInch; }
    static int centreOf(int pixel, int dpi) { return (2 * pixel + 1) * twipsPerInch / (2 * dpi); }
    bool whole() const { return dpi_ % standardDpi == 0; }

    int dpi_;
};

}  // namespace pruhomat::forms
