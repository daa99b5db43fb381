#include "first_paint.h"

#include <FL/Fl.H>
#include <FL/x.H>

namespace pruhomat::bench {
namespace {

struct ExposeWatch {
    Window window;
    bool exposed;
};

int noteExpose(void* event, void* data) {
    const auto* xevent = static_cast<const XEvent*>(event);
    auto* watch = static_cast<ExposeWatch*>(data);
    if (xevent->type == Expose && xevent->xexpose.window == watch->window) {
        watch->exposed = true;
    }
    return 0;  // FLTK still handles it as usual
}

}  // namespace

void waitForFirstPaint(Fl_Window& window) {
    ExposeWatch watch{fl_xid(&window), false};
    Fl::add_system_handler(noteExpose, &watch);
    for (;;) {
        Fl::wait();
        if (watch.exposed) {
            Fl::flush();
            if (window.damage() == 0) {
                break;
            }
        }
    }
    Fl::remove_system_handler(noteExpose);
    XSync(fl_display, False);
}

}  // namespace pruhomat::bench
