#pragma once

#include <cstdint>
#include <string_view>

// What the page's script does for the program (page/pruhomat.js answers each): the DOM calls
// from the core's side. A window is a number; each control of it an element known by the
// window and the control's index. Texts travel as UTF-8 with their length. Places and sizes are
// the device's pixels, laid out at its density as the desktops lay theirs out; the page shows
// them in CSS pixels, so that every picture falls on whole device pixels.
namespace pruhomat::web::page {

// The elements the controls are made of.
enum class Element : std::uint8_t { Frame, Label, Canvas, Button, CheckBox, Option, TextField, List };

// What a control's element shows; each set with a number or a text.
enum class Property : std::uint8_t {
    Text,        // a caption, or a field's text
    Visible,     // 0 or 1
    Enabled,     // 0 or 1
    Checked,     // 0 or 1
    Background,  // 0xRRGGBB, or -1 for the window's face
    Foreground,  // 0xRRGGBB
    FontSize,    // negative for bold
    Items,       // a list's items, one a line
    Selected,    // a list's chosen item, -1 for none
    Role,        // forms::ReaderRole, or -1 for none of its own
    Name,        // what a reader calls it
    Heard,       // 0 where a reader passes over it
    State,       // ReaderFlags
    Tooltip,     // shown under the pointer; empty for none
    Border,      // 1 for a sunken single border
    Align,       // forms::Alignment
    MaxLength,   // a field's most characters, 0 for no limit
    Designer,    // the control's designer name ("b0", "vysl")
};

// The reader's states of a control, as bits of Property::State.
enum ReaderFlags : int { SelectedFlag = 1, CheckedFlag = 2, SelectableFlag = 4, FocusableFlag = 8, LiveFlag = 16 };

// The device's pixels are the CSS pixels times the density over 96 dots per inch.
void openWindow(int window, int owner, int dotsPerInch, int width, int height, std::string_view caption);
void closeWindow(int window);
void create(int window, int index, int parent, Element element, int left, int top, int width, int height);
// The window's client area at another density, then each control's box anew.
void rescaleWindow(int window, int dotsPerInch, int width, int height);
void place(int window, int index, int left, int top, int width, int height);
void setNumber(int window, int index, Property property, int value);
void setText(int window, int index, Property property, std::string_view text);
// RGBA, top row first, pixel for pixel.
void drawPicture(int window, int index, const std::uint8_t* pixels, int width, int height);
void focus(int window, int index);
void showFocusMark(int window, int index, int left, int top, int width, int height);
// The control's tooltip by it, as a long press asks.
void showTooltip(int window, int index);
void messageBox(std::string_view prompt, std::string_view title);
void popupMenu(int window, int left, int top, std::string_view items);
void copyText(std::string_view text);
void openLink(std::string_view target);
void programEnded();

}  // namespace pruhomat::web::page
