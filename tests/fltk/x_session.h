#pragma once

#include <FL/Fl_Window.H>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace pruhomat::testing {

// Real input through the X server (the XTest extension) and real pixels read back from it.

// Lets FLTK handle every event the X server has for it and draw what changed. Once XSync
// returns, the server has carried out every request, fake input included, and queued what it
// caused, so nothing is left to wait for.
void settle();

// Handles events until the condition holds; false if it has not within ten seconds.
bool waitFor(const std::function<bool()>& condition);

// Moves the pointer to a point of the window's client area.
void pointerTo(Fl_Window& window, int x, int y);

// Moves the pointer to a point of the window's client area and clicks a button, the left one
// unless told.
void clickAt(Fl_Window& window, int x, int y, unsigned button = 1);

// Presses and releases a key, given as an X keysym, with the pointer over the window.
void pressKey(Fl_Window& window, unsigned long keysym);
// Presses and releases each key in turn, without waiting: for a loop that is running already,
// such as a popup menu's.
void sendKeys(std::initializer_list<unsigned long> keysyms);
// Holds the keys down in order and lets them go in reverse: a modifier first, as in Ctrl+C.
void pressChord(Fl_Window& window, std::initializer_list<unsigned long> keysyms);

// What another program reads from the clipboard (CLIPBOARD or PRIMARY) through xclip, while
// this process serves the selection it owns.
std::string selectionText(const char* selection);

// The shown top-level window with this title; null when there is none.
Fl_Window* windowTitled(const std::string& title);

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xRRGGBB

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// What the window shows on screen now.
Capture capture(Fl_Window& window);

}  // namespace pruhomat::testing
