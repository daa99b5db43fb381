#pragma once

namespace pruhomat::fltk {

// Twips become pixels at 15 to a pixel, times a whole factor on high-density screens.
class Scaling {
public:
    explicit Scaling(int factor) : factor_(factor) {}

    int factor() const { return factor_; }
    int pixels(int twips) const { return (twips * factor_ * 2 + 15) / 30; }
    int fontPixels(int pixelsAt96Dpi) const { return pixelsAt96Dpi * factor_; }

    // Screens reporting 144 dots per inch or more get the nearest whole factor.
    static int factorForDpi(double dotsPerInch);

    // The factor for the X server's Xft.dpi setting; the display must be open.
    static Scaling fromDisplay();

private:
    int factor_;
};

}  // namespace pruhomat::fltk
