#include "x_session.h"

#include <FL/Fl.H>
#include <FL/x.H>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>

namespace pruhomat::testing {
namespace {


}  // namespace

void pointerTo(Fl_Window& window, int x, int y) {
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(fl_display, fl_xid(&window), RootWindow(fl_display, fl_screen), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(fl_display, fl_screen, rootX, rootY, CurrentTime);
    settle();
}

void settle() {
    do {
        XSync(fl_display, False);
        Fl::check();
    } while (XPending(fl_display) > 0 || Fl::damage() != 0);
}

bool waitFor(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        Fl::wait(0.01);
        settle();
    }
    return true;
}

void clickAt(Fl_Window& window, int x, int y, unsigned button) {
    pointerTo(window, x, y);
    XTestFakeButtonEvent(fl_display, button, True, CurrentTime);
    XTestFakeButtonEvent(fl_display, button, False, CurrentTime);
    settle();
}

void pressKey(Fl_Window& window, unsigned long keysym) {
    pointerTo(window, window.w() / 2, window.h() / 2);
    const KeyCode code = XKeysymToKeycode(fl_display, static_cast<KeySym>(keysym));
    XTestFakeKeyEvent(fl_display, code, True, CurrentTime);
    XTestFakeKeyEvent(fl_display, code, False, CurrentTime);
    settle();
}

void sendKeys(std::initializer_list<unsigned long> keysyms) {
    for (const unsigned long keysym : keysyms) {
        const KeyCode code = XKeysymToKeycode(fl_display, static_cast<KeySym>(keysym));
        XTestFakeKeyEvent(fl_display, code, True, CurrentTime);
        XTestFakeKeyEvent(fl_display, code, False, CurrentTime);
    }
    XFlush(fl_display);
}

void pressChord(Fl_Window& window, std::initializer_list<unsigned long> keysyms) {
    pointerTo(window, window.w() / 2, window.h() / 2);
    for (const unsigned long keysym : keysyms) {
        XTestFakeKeyEvent(fl_display, XKeysymToKeycode(fl_display, static_cast<KeySym>(keysym)), True, CurrentTime);
    }
    for (auto keysym = std::rbegin(keysyms); keysym != std::rend(keysyms); ++keysym) {
        XTestFakeKeyEvent(fl_display, XKeysymToKeycode(fl_display, static_cast<KeySym>(*keysym)), False, CurrentTime);
    }
    settle();
}

std::string selectionText(const char* selection) {
    char path[] = "/tmp/pruhomat-selection-XXXXXX";
    const int file = mkstemp(path);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, file, STDOUT_FILENO);
    const char* arguments[] = {"xclip", "-o", "-selection", selection, nullptr};
    pid_t child = 0;
    std::string text;
    if (posix_spawnp(&child, "xclip", &actions, nullptr, const_cast<char* const*>(arguments), environ) == 0) {
        int status = 0;
        waitFor([&] { return waitpid(child, &status, WNOHANG) == child; });
        std::ifstream output(path);
        text.assign(std::istreambuf_iterator<char>(output), {});
    }
    posix_spawn_file_actions_destroy(&actions);
    close(file);
    unlink(path);
    return text;
}

Fl_Window* windowTitled(const std::string& title) {
    for (Fl_Window* window = Fl::first_window(); window != nullptr; window = Fl::next_window(window)) {
        if (window->shown() && window->label() != nullptr && title == window->label()) {
            return window;
        }
    }
    return nullptr;
}

Capture capture(Fl_Window& window) {
    Capture result;
    XSync(fl_display, False);
    XImage* image = XGetImage(fl_display, fl_xid(&window), 0, 0, static_cast<unsigned>(window.w()),
                              static_cast<unsigned>(window.h()), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return result;
    }
    result.width = window.w();
    result.height = window.h();
    result.pixels.reserve(static_cast<std::size_t>(result.width * result.height));
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            result.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
        }
    }
    XDestroyImage(image);
    return result;
}

}  // namespace pruhomat::testing
