// What the page's script calls: the program started, and each event of the page handed to the
// window it happened in, every window brought up to date after it.
#include <cstdlib>
#include <memory>
#include <string>

#include "form1_layout.h"
#include "keys.h"
#include "program.h"
#include "web_port.h"


namespace {

namespace forms = pruhomat::forms;
using pruhomat::web::WebPort;
using pruhomat::web::WebWindow;

std::unique_ptr<pruhomat::Program<WebPort>> program;

// The window the event happened in, while the program runs and the window is open.
WebWindow* windowNumbered(int id) { return program ? program->port().window(id) : nullptr; }

template <typename Event>
void inWindow(int id, Event event) {
    if (WebWindow* window = windowNumbered(id)) {
        event(*window);
        program->port().settle();
    }
}

}  // namespace

extern "C" {

__attribute__((export_name("pruhomat_alloc"))) void* pruhomat_alloc(int size) { return std::malloc(static_cast<std::size_t>(size)); }

__attribute__((export_name("pruhomat_free"))) void pruhomat_free(void* memory) { std::free(memory); }

// Starts the program afresh: the main window, its resistor as at every start, laid out for the
// page's size (CSS pixels).
__attribute__((export_name("pruhomat_start"))) void pruhomat_start(double pixelRatio, int width, int height,
                                                                  const char* separator, int length) {
    program.reset();
    program = std::make_unique<pruhomat::Program<WebPort>>(std::string(separator, static_cast<std::size_t>(length)), pixelRatio,
                                                           pruhomat::form1ShapeFor(width, height));
}

// The page took another size, as a phone turned: the windows laid out for its shape.
__attribute__((export_name("pruhomat_screen"))) void pruhomat_screen(int width, int height) {
    const forms::ScreenShape shape = pruhomat::form1ShapeFor(width, height);
    if (program && shape != program->port().screenShape()) {
        program->port().setScreenShape(shape);
        program->form1().fitScreen(shape);
        program->port().settle();
    }
}

// A press on the window's client area (device pixels), by a finger where touch is 1; 1 where the
// program takes it, 0 where the element under it is the browser's own.
__attribute__((export_name("pruhomat_pointer_down"))) int pruhomat_pointer_down(int window, int x, int y, int touch) {
    using Pointer = forms::WindowController::Pointer;
    int taken = 0;
    inWindow(window, [&](WebWindow& shown) {
        taken = shown.controller().pointerPressed(x, y, touch != 0 ? Pointer::Touch : Pointer::Mouse) ? 1 : 0;
    });
    return taken;
}

__attribute__((export_name("pruhomat_long_press"))) void pruhomat_long_press(int window, int x, int y) {
    inWindow(window, [&](WebWindow& shown) { shown.longPress(x, y); });
}

__attribute__((export_name("pruhomat_pointer_up"))) void pruhomat_pointer_up(int window, int x, int y) {
    inWindow(window, [&](WebWindow& shown) {
        forms::WindowController& controller = shown.controller();
        if (controller.pointerHeld()) {
            controller.click(controller.pointerReleased(x, y), forms::WindowController::KeyboardFollows::No);
        }
    });
}

__attribute__((export_name("pruhomat_clicked"))) void pruhomat_clicked(int window, int index) {
    inWindow(window, [&](WebWindow& shown) {
        shown.controller().click(static_cast<std::size_t>(index), forms::WindowController::KeyboardFollows::Yes);
    });
}

__attribute__((export_name("pruhomat_edited"))) void pruhomat_edited(int window, int index, const char* text, int length) {
    inWindow(window, [&](WebWindow& shown) {
        shown.controller().edited(static_cast<std::size_t>(index), std::string_view(text, static_cast<std::size_t>(length)));
    });
}

__attribute__((export_name("pruhomat_chosen"))) void pruhomat_chosen(int window, int index, int item) {
    inWindow(window, [&](WebWindow& shown) { shown.controller().chosen(static_cast<std::size_t>(index), item); });
}

// A key in the window, forms::Key as a number; 1 where the program took it, so that the browser
// does nothing more with it.
__attribute__((export_name("pruhomat_key"))) int pruhomat_key(int window, int key, int character, int control, int shift) {
    int taken = 0;
    inWindow(window, [&](WebWindow& shown) {
        const forms::KeyInput pressed{static_cast<forms::Key>(key), static_cast<char32_t>(character), control != 0, shift != 0};
        taken = shown.controller().keyPressed(pressed) ? 1 : 0;
    });
    return taken;
}

__attribute__((export_name("pruhomat_focused"))) void pruhomat_focused(int window, int index) {
    inWindow(window, [&](WebWindow& shown) { shown.controller().focusMovedTo(static_cast<std::size_t>(index)); });
}

__attribute__((export_name("pruhomat_context_menu"))) void pruhomat_context_menu(int window, int x, int y) {
    inWindow(window, [&](WebWindow& shown) { shown.controller().contextMenuAt(x, y); });
}

__attribute__((export_name("pruhomat_close_box"))) void pruhomat_close_box(int window) {
    inWindow(window, [&](WebWindow& shown) { program->port().session().closeBox(shown.controller()); });
}

__attribute__((export_name("pruhomat_box_closed"))) void pruhomat_box_closed() {
    if (program) {
        program->port().boxClosed();
        program->port().settle();
    }
}

__attribute__((export_name("pruhomat_menu_chosen"))) void pruhomat_menu_chosen(int item) {
    if (program) {
        program->port().menuChosen(item);
        program->port().settle();
    }
}

__attribute__((export_name("pruhomat_pixel_ratio"))) void pruhomat_pixel_ratio(double ratio) {
    if (program) {
        program->port().setPixelRatio(ratio);
    }
}

}  // extern "C"
