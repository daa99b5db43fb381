// The least any FLTK program pays to show a window of the main window's size: an empty double
// buffered window, ending as soon as it has first been painted.

#include <FL/Fl_Double_Window.H>

#include "first_paint.h"

int main() {
    constexpr int mainWindowWidth = 425;
    constexpr int mainWindowHeight = 221;
    Fl_Double_Window window(mainWindowWidth, mainWindowHeight);
    window.end();
    window.show();
    pruhomat::bench::waitForFirstPaint(window);
    return 0;
}
