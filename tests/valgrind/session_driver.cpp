// Plays a scripted session on the running Linux program through real X pointer and key events:
// both band counts, automatic advance, the zero rule, the About dialog opened and closed many
// times, the value dialog typed into, then "Konec". Each step waits for what it brings about (the window drawn anew, a dialog
// shown or gone), with a generous timeout, as the program runs slowly under a checker.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "form1.h"
#include "recording_port.h"

namespace {

using namespace std::chrono_literals;

constexpr auto windowWait = 60s;
constexpr auto pollInterval = 50ms;
constexpr int aboutOpenings = 25;
constexpr int valueOpenings = 6;

Display* display = nullptr;

// A window may go while the tree is walked, a dialog closing; any other error ends the session.
int ignoreVanishedWindows(Display*, XErrorEvent* error) {
    if (error->error_code != BadWindow) {
        std::fprintf(stderr, "X error %d of request %d\n", error->error_code, error->request_code);
        std::exit(1);
    }
    return 0;
}

Window findWindow(Window parent, std::string_view title) {
    Window root = 0;
    Window ancestor = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, parent, &root, &ancestor, &children, &count) == 0) {
        return 0;
    }
    Window found = 0;
    for (unsigned index = 0; index < count && found == 0; ++index) {
        XTextProperty name{};
        if (XGetWMName(display, children[index], &name) != 0 && name.value != nullptr) {
            if (title == reinterpret_cast<const char*>(name.value)) {
                XWindowAttributes attributes{};
                XGetWindowAttributes(display, children[index], &attributes);
                found = attributes.map_state == IsViewable ? children[index] : 0;
            }
            XFree(name.value);
        }
        if (found == 0) {
            found = findWindow(children[index], title);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

Window waitForWindow(std::string_view title, bool shown = true) {
    const auto until = std::chrono::steady_clock::now() + windowWait;
    while (std::chrono::steady_clock::now() < until) {
        const Window window = findWindow(DefaultRootWindow(display), title);
        if ((window != 0) == shown) {
            return window;
        }
        std::this_thread::sleep_for(pollInterval);
    }
    std::fprintf(stderr, "window \"%s\" did not %s\n", std::string(title).c_str(), shown ? "appear" : "go");
    std::exit(1);
}

std::vector<char> pixelsOf(Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    std::vector<char> bytes(image->data, image->data + image->bytes_per_line * image->height);
    XDestroyImage(image);
    return bytes;
}

void waitForRedraw(Window window, const std::vector<char>& before) {
    const auto until = std::chrono::steady_clock::now() + windowWait;
    while (std::chrono::steady_clock::now() < until) {
        if (pixelsOf(window) != before) {
            return;
        }
        std::this_thread::sleep_for(pollInterval);
    }
    std::fprintf(stderr, "a click left the window as it was\n");
    std::exit(1);
}

void pointerTo(Window window, int x, int y) {
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
    XSync(display, False);
}

enum class Effect : std::uint8_t { Redraws, OpensOrCloses };

void clickAt(Window window, int x, int y, Effect effect) {
    const std::vector<char> before = effect == Effect::Redraws ? pixelsOf(window) : std::vector<char>{};
    pointerTo(window, x, y);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
    if (effect == Effect::Redraws) {
        waitForRedraw(window, before);
    }
}

void pressKey(Window window, KeySym key) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    pointerTo(window, attributes.width / 2, attributes.height / 2);
    const KeyCode code = XKeysymToKeycode(display, key);
    XTestFakeKeyEvent(display, code, True, CurrentTime);
    XTestFakeKeyEvent(display, code, False, CurrentTime);
    XSync(display, False);
}

// A modifier held while the key goes down and up, as in Ctrl+F.
void pressChord(Window window, KeySym modifier, KeySym key) {
    pointerTo(window, 10, 10);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), True, CurrentTime);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), True, CurrentTime);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), False, CurrentTime);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), False, CurrentTime);
    XSync(display, False);
}

// Clicks the centre of a control, placed by the same layout the program uses.
class Session {
public:
    Session() : mainForm_(port_, ",") {}

    void run() {
        main_ = waitForWindow("  Virtuální Pruhomat");
        for (const char* name : {"automat", "b5", "b2", "b2", "b0", "b1", "b2", "b3"}) {
            click(name);
        }
        click("band4");
        for (const char* name : {"b1", "b4", "b7", "b8", "b0", "prog"}) {
            click(name);
        }
        click("band5");
        click("automat");
        click("p19");
        click("b0", Effect::OpensOrCloses);
        pressKey(waitForWindow("O Programu..."), XK_Escape);
        waitForWindow("O Programu...", false);
        for (int opening = 0; opening < aboutOpenings; ++opening) {
            click("Info_pr", Effect::OpensOrCloses);
            pressKey(waitForWindow(" O programu..."), opening % 2 == 0 ? XK_Escape : XK_Return);
            waitForWindow(" O programu...", false);
        }
        // The value dialog, typed into, its list moved up and back to the tolerance the window
        // draws, then left by OK (drawing the bands) or by Esc.
        for (int opening = 0; opening < valueOpenings; ++opening) {
            pressChord(main_, XK_Control_L, XK_f);
            const Window dialog = waitForWindow("Zadat hodnotu");
            for (const KeySym key : {XK_4, XK_k, XK_7, XK_Tab, XK_Up, XK_Down}) {
                pressKey(dialog, key);
            }
            pressKey(dialog, opening % 2 == 0 ? XK_Return : XK_Escape);
            waitForWindow("Zadat hodnotu", false);
        }
        click("Exit_pr", Effect::OpensOrCloses);
    }

private:
    // Every click of the script but those that open or close a window changes the main window.
    void click(std::string_view name, Effect effect = Effect::Redraws) {
        const pruhomat::forms::Form& form = mainForm_.form();
        const pruhomat::forms::Rect rect = form.rectOnForm(form.indexOf(name));
        clickAt(main_, (rect.left + rect.width / 2) / 15, (rect.top + rect.height / 2) / 15, effect);
    }

    pruhomat::testing::RecordingPort port_;
    pruhomat::Form1 mainForm_;
    Window main_ = 0;
};

}  // namespace

int main() {
    display = XOpenDisplay(nullptr);
    XSetErrorHandler(ignoreVanishedWindows);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    Session().run();
    XCloseDisplay(display);
    return 0;
}
