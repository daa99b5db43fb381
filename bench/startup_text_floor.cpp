// The floor window with one caption in the program's dialog font: what showing any text costs
// (the font configuration, the font file and its rasteriser), which the empty floor never pays.

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>

#include "first_paint.h"

int main() {
    constexpr int mainWindowWidth = 425;
    constexpr int mainWindowHeight = 221;
    constexpr int dialogFontPixels = 11;
    Fl::set_font(FL_HELVETICA, " Liberation Sans");
    Fl_Double_Window window(mainWindowWidth, mainWindowHeight);
    Fl_Box caption(8, 8, 160, 20, "Paleta");
    caption.labelsize(dialogFontPixels);
    window.end();
    window.show();
    pruhomat::bench::waitForFirstPaint(window);
    return 0;
}
