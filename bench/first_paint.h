#pragma once

#include <FL/Fl_Window.H>

namespace pruhomat::bench {

// Runs the FLTK loop until a shown window has been painted whole for the first time: the X
// server has sent it an Expose, FLTK has drawn everything damaged, and the server has done
// every drawing request.
void waitForFirstPaint(Fl_Window& window);

}  // namespace pruhomat::bench
